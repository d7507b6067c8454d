#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/print_dialog_state.h"
#include "printing/print_list.h"
#include "printing/print_texts.h"

namespace lumidex {
namespace {

std::vector<std::string> Paths(const PrintList& list) {
  std::vector<std::string> paths;
  for (const auto& entry : list.entries()) paths.push_back(entry.path);
  return paths;
}

class PrintListTest : public ::testing::Test {
 protected:
  PrintList list_{{"0", "1", "2", "3", "4"}};
};

TEST_F(PrintListTest, UsesRepeatEachPictureInARow) {
  EXPECT_EQ(PrintList({"a", "b", "a"}, 2).size(), 6);  // a picture chosen twice counts twice
  list_.SetUses(3);
  EXPECT_EQ(list_.size(), 15);
  EXPECT_EQ(list_.at(3).path, "1");
  EXPECT_EQ(list_.at(5).path, "1");
  list_.SetUses(500);
  EXPECT_EQ(list_.uses(), PrintList::kMaxUses);
}

TEST_F(PrintListTest, MovingShiftsTheEntriesBetweenAndExchangingSwaps) {
  ASSERT_TRUE(list_.MoveEntry(0, 3, false));
  EXPECT_EQ(Paths(list_), (std::vector<std::string>{"1", "2", "3", "0", "4"}));
  PrintList other({"0", "1", "2", "3", "4"});
  ASSERT_TRUE(other.MoveEntry(0, 3, true));
  EXPECT_EQ(Paths(other), (std::vector<std::string>{"3", "1", "2", "0", "4"}));
  // Beyond the end: last place when moving, nothing when exchanging.
  ASSERT_TRUE(other.MoveEntry(0, 99, false));
  EXPECT_EQ(other.at(4).path, "3");
  EXPECT_FALSE(other.MoveEntry(0, 99, true));
  EXPECT_FALSE(other.MoveEntry(-1, 2, false));
  EXPECT_FALSE(other.MoveEntry(2, 2, false));
}

TEST_F(PrintListTest, ANewUseCountKeepsMovesRemovalsAndOffsets) {
  ASSERT_TRUE(list_.MoveEntry(4, 0, false));
  ASSERT_TRUE(list_.RemoveEntry(2));  // picture "1"
  list_.at(0).offsets = {7, -3};
  list_.SetUses(2);
  EXPECT_EQ(Paths(list_), (std::vector<std::string>{"4", "4", "0", "0", "2", "2", "3", "3"}));
  EXPECT_EQ(list_.at(1).offsets, (CellOffsets{7, -3}));
  list_.SetUses(1);
  EXPECT_EQ(Paths(list_), (std::vector<std::string>{"4", "0", "2", "3"}));
  EXPECT_FALSE(list_.RemoveEntry(4));
}

TEST(PrintTextsTest, PageTextAndQuestions) {
  EXPECT_EQ(PageText(0, 3, 15), "1/4");
  EXPECT_EQ(PageText(0, 0, 0), "0/0");
  EXPECT_EQ(PrintQuestion(false, 0, 0), "1番のページを印刷します。よろしいですか？");
  EXPECT_EQ(PrintQuestion(true, 2, 5), "3番のページを印刷します。よろしいですか？");
  EXPECT_EQ(PrintQuestion(false, 2, 5), "1～6ページまで印刷します。よろしいですか？");
  EXPECT_EQ(PaperNameText("ユーザー定義", true, 100.9, 148.2), "ユーザー定義 (100 x 148㎜)");
  EXPECT_EQ(MissingPicturesMessage({}), "");
  EXPECT_NE(MissingPicturesMessage({"/a/b.jpg"}).find("/a/b.jpg"), std::string::npos);
}

}  // namespace
}  // namespace lumidex

namespace lumidex {
namespace {

TEST(PrintDialogStateTest, GridsLowerTheUseCountAndPagesFollowTheEntries) {
  PrintDialogState state(PrintList({"a", "b", "c", "d", "e"}));
  state.SetCells(4);
  state.SetUses(3);
  EXPECT_EQ(state.PageText(), "1/4");
  ASSERT_TRUE(state.ShowPage(3));
  EXPECT_EQ(state.firstIndex(), 12);
  state.SetUses(1);  // the shown sheet is clamped, not left past the end
  EXPECT_EQ(state.page(), 1);
  state.SetUses(10);
  ASSERT_TRUE(state.ChooseLayout(2));
  EXPECT_EQ(state.list().uses(), 4);
  ASSERT_TRUE(state.ChooseLayout(7));
  EXPECT_EQ(state.list().uses(), 4);
  EXPECT_FALSE(state.ChooseLayout(11));
  EXPECT_FALSE(state.ShowPage(state.lastPage() + 1));
  PrintDialogState empty(PrintList{});
  EXPECT_EQ(empty.PageText(), "0/0");
}

}  // namespace
}  // namespace lumidex
