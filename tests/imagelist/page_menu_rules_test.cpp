#include "imagelist/page_menu_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

using Kind = ListMenuFacts::Kind;

TEST(PageMenuRulesTest, FirstItemIsNamedAfterTheFirstSelectedLine) {
  ListMenuFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  EXPECT_EQ(ListMenuFor(facts).openText, "ページを開く");
  EXPECT_FALSE(ListMenuFor(facts).openEnabled);
  facts.pageHasContent = true;
  EXPECT_TRUE(ListMenuFor(facts).openEnabled);
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kSubAlbum;
  EXPECT_EQ(ListMenuFor(facts).openText, "サブアルバムを開く");
  facts.firstKind = Kind::kFile;
  EXPECT_EQ(ListMenuFor(facts).openText, "エクスプローラ");
}

TEST(PageMenuRulesTest, ContainerCommandsOnlyWhileAPageOrSubAlbumIsOpen) {
  ListMenuFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  const ListMenuItems pageList = ListMenuFor(facts);
  EXPECT_FALSE(pageList.rename);
  EXPECT_FALSE(pageList.editComment);
  EXPECT_FALSE(pageList.revert);
  EXPECT_TRUE(pageList.createSubAlbum);
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kFile;
  const ListMenuItems page = ListMenuFor(facts);
  EXPECT_TRUE(page.rename && page.renameEnabled && page.editComment && page.revert);
  facts.subAlbumOpen = true;
  EXPECT_FALSE(ListMenuFor(facts).createSubAlbum);
}

TEST(PageMenuRulesTest, DeleteAndRenameNeedASelectionAndNoSlideShow) {
  ListMenuFacts facts;
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kFile;
  EXPECT_FALSE(ListMenuFor(facts).removeEnabled);
  facts.selectedCount = 2;
  EXPECT_TRUE(ListMenuFor(facts).removeEnabled);
  facts.slideShowRunning = true;
  EXPECT_FALSE(ListMenuFor(facts).removeEnabled);
  EXPECT_FALSE(ListMenuFor(facts).renameEnabled);
}

TEST(PageMenuRulesTest, APageUsedInAnotherYearCannotBeDeletedFromThePageList) {
  ListMenuFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  facts.pageUsedInOtherYears = true;
  EXPECT_FALSE(ListMenuFor(facts).removeEnabled);
  facts.coverIsPath = true;
  EXPECT_TRUE(ListMenuFor(facts).removeEnabled);
}

TEST(PageMenuRulesTest, CalendarDayOffersCreateOrSubAlbumAndDelete) {
  EXPECT_EQ(CalendarDayMenuFor({true, false, false, false}), (CalendarDayMenu{true, false, false}));
  EXPECT_EQ(CalendarDayMenuFor({true, true, false, false}), (CalendarDayMenu{false, true, true}));
  EXPECT_EQ(CalendarDayMenuFor({true, true, true, false}), (CalendarDayMenu{false, true, false}));
  EXPECT_EQ(CalendarDayMenuFor({true, true, true, true}), (CalendarDayMenu{false, true, true}));
  EXPECT_EQ(CalendarDayMenuFor({false, false, false, false}), CalendarDayMenu{});
}

}  // namespace
}  // namespace lumidex
