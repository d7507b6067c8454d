#include "imagelist/list_selection.h"

#include <gtest/gtest.h>

#include <memory>

namespace lumidex {
namespace {

class ListSelectionTest : public ::testing::Test {
 protected:
  ListSelectionTest() {
    entries.Fill(ListMode::kContainer, {"/p/a.jpg=x", "/p/B.JPG=", "@03/15旅行=", "/p/c.png=",
                                        "/gone/d.jpg=", "@03/15山=", "/gone/e.png="});
    for (int i : {0, 1, 3}) SetExists(i, true);
    for (int i : {4, 6}) SetExists(i, false);
  }
  void SetExists(int index, bool exists) {
    auto record = std::make_unique<ALBDATA>();
    record->exists = exists ? 1 : 0;
    entries.SetRecord(index, std::move(record));
  }

  EntryList entries;
};

TEST_F(ListSelectionTest, KindOfAnItemIsItsLowerCaseExtensionOrNotfile) {
  EXPECT_EQ(KindOfItem(entries, 1), (ClickedKind{".jpg", false}));
  EXPECT_EQ(KindOfItem(entries, 4), (ClickedKind{"notfile", false}));
  EXPECT_TRUE(KindOfItem(entries, 2).subAlbum);
  EXPECT_FALSE(IsMissingFile(entries, 2));
}

TEST_F(ListSelectionTest, SameKindSelectsEveryItemWithTheSameExtension) {
  EXPECT_EQ(SelectGroup(entries, {".jpg", false}, true), (std::vector<int>{0, 1}));
  EXPECT_EQ(SelectGroup(entries, {".png", false}, true), (std::vector<int>{3}));
}

TEST_F(ListSelectionTest, SameKindAfterAMissingFileSelectsEveryMissingFile) {
  EXPECT_EQ(SelectGroup(entries, {"notfile", false}, true), (std::vector<int>{4, 6}));
}

TEST_F(ListSelectionTest, MissingFilesCanBeToldWithoutRecords) {
  EntryList bare;
  bare.Fill(ListMode::kContainer, {"/a.jpg=", "/b.jpg=", "@03/15x="});
  const auto missing = [](int index) { return index != 0; };
  EXPECT_EQ(SelectGroup(bare, {"notfile", false}, true, missing), (std::vector<int>{1}));
  EXPECT_EQ(SelectGroup(bare, {".jpg", false}, true, missing), (std::vector<int>{0}));
}

TEST_F(ListSelectionTest, WithoutSameKindSubAlbumsAndOtherEntriesAreTheTwoGroups) {
  EXPECT_EQ(SelectGroup(entries, {"", true}, false), (std::vector<int>{2, 5}));
  EXPECT_EQ(SelectGroup(entries, {".png", false}, false), (std::vector<int>{0, 1, 3, 4, 6}));
}

TEST_F(ListSelectionTest, FindComparesNamesWithoutRegardToAsciiCase) {
  EXPECT_EQ(FindItemByName(entries, "/p/b.jpg", 0, false, false), 1);
  EXPECT_EQ(FindItemByName(entries, "/p/a.jpg=x", 0, false, false), -1);
  EXPECT_EQ(FindItemByName(entries, "@03/15山", 0, false, false), 5);
}

TEST_F(ListSelectionTest, FindSearchesFromTheStartAndWrapsOnlyWhenAsked) {
  EXPECT_EQ(FindItemByName(entries, "/p/a.jpg", 2, false, false), -1);
  EXPECT_EQ(FindItemByName(entries, "/p/a.jpg", 2, true, false), 0);
  EXPECT_EQ(FindItemByName(entries, "/nothing", 3, true, false), -1);
}

TEST_F(ListSelectionTest, PartialFindMatchesTheStartOfTheName) {
  EXPECT_EQ(FindItemByName(entries, "/GONE/", 0, false, true), 4);
  EXPECT_EQ(FindItemByName(entries, "/gone/", 5, false, true), 6);
}

}  // namespace
}  // namespace lumidex
