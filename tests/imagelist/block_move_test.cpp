#include "imagelist/block_move.h"

#include <gtest/gtest.h>

#include <string>

namespace lumidex {
namespace {

// The letters of `items` after applying `move`.
std::string Apply(const std::string& items, const BlockMove& move) {
  std::string result;
  for (const int from : move.order) result.push_back(items[from]);
  return result;
}

std::string Drop(const std::string& items, const std::vector<int>& selected, int target) {
  const auto move = MoveSelectedBlock(static_cast<int>(items.size()), selected, target);
  return move ? Apply(items, *move) : items;
}

TEST(BlockMoveTest, BlockDroppedDownwardsEndsWhereTheTargetStood) {
  EXPECT_EQ(Drop("ABCDE", {0, 1}, 3), "CDABE");
}

TEST(BlockMoveTest, ScatteredSelectionMovesAsOneBlockInItsOrder) {
  EXPECT_EQ(Drop("ABCDEF", {1, 4}, 3), "ACDBEF");
  EXPECT_EQ(Drop("ABCDEF", {4, 1}, 3), "ACDBEF");
}

TEST(BlockMoveTest, BlockDroppedOnTheFirstItemTakesTheFirstIndices) {
  const auto move = MoveSelectedBlock(6, {2, 3, 5}, 0);
  ASSERT_TRUE(move);
  EXPECT_EQ(Apply("ABCDEF", *move), "CDFABE");
  EXPECT_EQ(move->selection, (std::vector<int>{0, 1, 2}));
}

TEST(BlockMoveTest, BlockDroppedUpwardsStartsAtTheTarget) {
  EXPECT_EQ(Drop("ABCDEF", {3, 5}, 1), "ADFBCE");
}

TEST(BlockMoveTest, DroppingOnALaterSelectedItemKeepsTheBlockTogether) {
  EXPECT_EQ(Drop("ABCDE", {0, 2}, 2), "BACDE");
}

TEST(BlockMoveTest, DroppingOnTheLastItemPutsTheBlockAtTheEnd) {
  const auto move = MoveSelectedBlock(5, {0, 2}, 4);
  ASSERT_TRUE(move);
  EXPECT_EQ(Apply("ABCDE", *move), "BDEAC");
  EXPECT_EQ(move->selection, (std::vector<int>{3, 4}));
}

TEST(BlockMoveTest, NothingMovesOnTheFirstSelectedItemEmptySpaceOrNoSelection) {
  EXPECT_FALSE(MoveSelectedBlock(5, {1, 3}, 1));
  EXPECT_FALSE(MoveSelectedBlock(5, {1, 3}, -1));
  EXPECT_FALSE(MoveSelectedBlock(5, {1, 3}, 5));
  EXPECT_FALSE(MoveSelectedBlock(5, {}, 2));
}

TEST(BlockMoveTest, EveryResultIsAPermutationThatKeepsTheOtherItemsInOrder) {
  const std::string items = "ABCDEFGHIJ";
  for (int target = 0; target < 10; ++target) {
    const auto move = MoveSelectedBlock(10, {2, 5, 6, 9}, target);
    if (!move) continue;
    const std::string result = Apply(items, *move);
    std::string sorted = result;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, items);
    std::string block;
    for (const int at : move->selection) block.push_back(result[at]);
    EXPECT_EQ(block, "CFGJ") << "target " << target;
    EXPECT_EQ(move->selection.back() - move->selection.front(), 3);
  }
}

TEST(BlockMoveTest, TwinLinesOfAReorderingKeepTheirOldOrder) {
  const std::vector<std::string> before{"a=", "b=", "a=", "c="};
  const auto order = OrderOfReorderedLines(before, {"c=", "a=", "b=", "a="});
  ASSERT_TRUE(order);
  EXPECT_EQ(*order, (std::vector<int>{3, 0, 1, 2}));
  // The lines selected before (the second "a=" and "c=") are where they went.
  EXPECT_EQ(SelectionAfterReorder(*order, {2, 3, 9}), (std::vector<int>{0, 3}));
}

TEST(BlockMoveTest, LinesThatAreNotAReorderingGiveNoOrder) {
  const std::vector<std::string> before{"a=", "b="};
  EXPECT_FALSE(OrderOfReorderedLines(before, before));
  EXPECT_FALSE(OrderOfReorderedLines(before, {"b=", "c="}));
  EXPECT_FALSE(OrderOfReorderedLines(before, {"b="}));
}

}  // namespace
}  // namespace lumidex
