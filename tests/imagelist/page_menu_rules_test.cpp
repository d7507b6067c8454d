#include "imagelist/page_menu_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

using Kind = ListPopupFacts::Kind;

TEST(PageMenuRulesTest, FirstItemIsNamedAfterTheFirstSelectedLine) {
  ListPopupFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  EXPECT_EQ(ListPopupFor(facts).openText, "ページを開く");
  EXPECT_FALSE(ListPopupFor(facts).openEnabled);
  facts.pageHasContent = true;
  EXPECT_TRUE(ListPopupFor(facts).openEnabled);
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kSubAlbum;
  EXPECT_EQ(ListPopupFor(facts).openText, "サブアルバムを開く");
  facts.firstKind = Kind::kFile;
  EXPECT_EQ(ListPopupFor(facts).openText, "エクスプローラ");
}

TEST(PageMenuRulesTest, ContainerCommandsOnlyWhileAPageOrSubAlbumIsOpen) {
  ListPopupFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  const ListPopupItems pageList = ListPopupFor(facts);
  EXPECT_FALSE(pageList.rename);
  EXPECT_FALSE(pageList.editComment);
  EXPECT_FALSE(pageList.revert);
  EXPECT_TRUE(pageList.createSubAlbum);
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kFile;
  const ListPopupItems page = ListPopupFor(facts);
  EXPECT_TRUE(page.rename && page.renameEnabled && page.editComment && page.revert);
  facts.subAlbumOpen = true;
  EXPECT_FALSE(ListPopupFor(facts).createSubAlbum);
}

TEST(PageMenuRulesTest, DeleteAndRenameNeedASelectionAndNoSlideShow) {
  ListPopupFacts facts;
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kFile;
  EXPECT_FALSE(ListPopupFor(facts).removeEnabled);
  facts.selectedCount = 2;
  EXPECT_TRUE(ListPopupFor(facts).removeEnabled);
  facts.slideShowRunning = true;
  EXPECT_FALSE(ListPopupFor(facts).removeEnabled);
  EXPECT_FALSE(ListPopupFor(facts).renameEnabled);
}

TEST(PageMenuRulesTest, APageUsedInAnotherYearCannotBeDeletedFromThePageList) {
  ListPopupFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  facts.pageUsedInOtherYears = true;
  EXPECT_FALSE(ListPopupFor(facts).removeEnabled);
  facts.coverIsPath = true;
  EXPECT_TRUE(ListPopupFor(facts).removeEnabled);
}

TEST(PageMenuRulesTest, CalendarDayOffersCreateOrSubAlbumAndDelete) {
  EXPECT_EQ(CalendarPopupFor({true, false, false, false}), (CalendarPopupItems{true, false, false}));
  EXPECT_EQ(CalendarPopupFor({true, true, false, false}), (CalendarPopupItems{false, true, true}));
  EXPECT_EQ(CalendarPopupFor({true, true, true, false}), (CalendarPopupItems{false, true, false}));
  EXPECT_EQ(CalendarPopupFor({true, true, true, true}), (CalendarPopupItems{false, true, true}));
  EXPECT_EQ(CalendarPopupFor({false, false, false, false}), CalendarPopupItems{});
}

}  // namespace
}  // namespace lumidex
