#include "album/entry_moves.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "album/entry_merge.h"

namespace lumidex {
namespace {

using ::testing::ElementsAre;

TEST(EntryMergeTest, AnAddedPathThatIsThereKeepsItsComment) {
  const MergedLines merged = MergeSorted({"/p/a.jpg=思い出"}, {"/p/A.JPG=", "/p/b.jpg="});
  EXPECT_THAT(merged.lines, ElementsAre("/p/a.jpg=思い出", "/p/b.jpg="));
  EXPECT_EQ(merged.added, 1);
}

TEST(EntryMergeTest, AnEntryWithoutCommentTakesTheCommentOfTheAddition) {
  const MergedLines merged = MergeSorted({"/p/a.jpg="}, {"/p/a.jpg=海"});
  EXPECT_THAT(merged.lines, ElementsAre("/p/a.jpg=海"));
  EXPECT_EQ(merged.added, 0);
}

TEST(EntryMergeTest, RepeatedAdditionsCountOnceAndTheResultIsSortedInAlbumOrder) {
  const MergedLines merged =
      MergeSorted({"/p/あ.jpg="}, {"/p/Ａ.jpg=", "/p/c.jpg=", "/p/C.jpg=x", "/p/b.jpg="});
  EXPECT_THAT(merged.lines, ElementsAre("/p/b.jpg=", "/p/c.jpg=x", "/p/Ａ.jpg=", "/p/あ.jpg="));
  EXPECT_EQ(merged.added, 3);
}

TEST(EntryMovesTest, UpWithTheFirstLineSelectedMovesNothing) {
  std::vector<std::string> lines{"a", "b", "c"};
  EXPECT_THAT(MoveUp(lines, {0, 2}), ElementsAre(0, 2));
  EXPECT_THAT(lines, ElementsAre("a", "b", "c"));
}

TEST(EntryMovesTest, UpMovesEverySelectedLineByOne) {
  std::vector<std::string> lines{"a", "b", "c", "d"};
  EXPECT_THAT(MoveUp(lines, {3, 1}), ElementsAre(0, 2));
  EXPECT_THAT(lines, ElementsAre("b", "a", "d", "c"));
}

TEST(EntryMovesTest, AdjacentSelectedLinesMoveDownAsABlock) {
  std::vector<std::string> lines{"a", "b", "c", "d"};
  EXPECT_THAT(MoveDown(lines, {0, 1}), ElementsAre(1, 2));
  EXPECT_THAT(lines, ElementsAre("c", "a", "b", "d"));
}

TEST(EntryMovesTest, DownWithTheLastLineSelectedMovesNothing) {
  std::vector<std::string> lines{"a", "b", "c"};
  EXPECT_THAT(MoveDown(lines, {0, 2}), ElementsAre(0, 2));
  EXPECT_THAT(lines, ElementsAre("a", "b", "c"));
}

TEST(EntryMovesTest, SortingByNamePutsSubAlbumsFirstAndIgnoresLetterCase) {
  std::vector<std::string> lines{"/z/B.jpg=", "@03/15旅行=", "/y/a.jpg=c"};
  SortEntries(lines, SortOrder::kName);
  EXPECT_THAT(lines, ElementsAre("@03/15旅行=", "/y/a.jpg=c", "/z/B.jpg="));
}

TEST(EntryMovesTest, SortingByNameFollowsTheAlbumCodePageOrder) {
  std::vector<std::string> lines{"/p/あ.jpg=", "/q/Ａ.jpg="};
  SortEntries(lines, SortOrder::kName);
  EXPECT_THAT(lines, ElementsAre("/q/Ａ.jpg=", "/p/あ.jpg="));
}

TEST(EntryMovesTest, SortingByTypeGroupsExtensionsThenOrdersByFileName) {
  std::vector<std::string> lines{"/a/z.png=", "/b/y.jpg=", "/c/b.png=", "/d/a.jpg=", "@03/15x="};
  SortEntries(lines, SortOrder::kType);
  EXPECT_THAT(lines, ElementsAre("@03/15x=", "/d/a.jpg=", "/b/y.jpg=", "/c/b.png=", "/a/z.png="));
}

TEST(EntryMovesTest, SortingByPathOrdersTheWholeNames) {
  std::vector<std::string> lines{"/b/a.jpg=", "/a/z.jpg=", "@03/15x="};
  SortEntries(lines, SortOrder::kPath);
  EXPECT_THAT(lines, ElementsAre("/a/z.jpg=", "/b/a.jpg=", "@03/15x="));
}

TEST(EntryMovesTest, CutLinesKeepTheirOrderAndSubAlbumsTravelWithTheirYear) {
  std::vector<std::string> lines{"/p/1.jpg=", "@03/15旅行=c", "/p/3.jpg=", "/p/4.jpg=x"};
  EXPECT_THAT(CutLines(lines, {3, 1}, "2013"), ElementsAre("@201303/15旅行=c", "/p/4.jpg=x"));
  EXPECT_THAT(lines, ElementsAre("/p/1.jpg=", "/p/3.jpg="));
}

}  // namespace
}  // namespace lumidex
