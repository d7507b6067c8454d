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
  EXPECT_TRUE(ListPopupFor(facts).dayList);  // a page of the page list goes to the day list
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kSubAlbum;
  EXPECT_EQ(ListPopupFor(facts).openText, "サブアルバムを開く");
  EXPECT_FALSE(ListPopupFor(facts).dayList);
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
  ListPopupFacts nothingSelected;  // the page list without a page to hold it
  EXPECT_FALSE(ListPopupFor(nothingSelected).createSubAlbum);
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
  const CalendarPopupItems noPage = CalendarPopupFor({true, false, false, false, false});
  EXPECT_TRUE(noPage.createPage);
  EXPECT_FALSE(noPage.createSubAlbum || noPage.remove || noPage.addImages);
  const CalendarPopupItems page = CalendarPopupFor({true, true, false, false, false});
  EXPECT_FALSE(page.createPage);
  EXPECT_TRUE(page.createSubAlbum && page.remove && page.addImages);
  EXPECT_FALSE(CalendarPopupFor({true, true, true, false, false}).remove);
  EXPECT_TRUE(CalendarPopupFor({true, true, true, true, false}).remove);
  // Another year's day offers only the day list, which needs no page.
  CalendarPopupItems dayListOnly;
  dayListOnly.dayList = true;
  EXPECT_EQ(CalendarPopupFor({false, true, false, false, true}), dayListOnly);
}

TEST(PageMenuRulesTest, CalendarCopyNeedsAPageWithFilesInTheShownYear) {
  CalendarPopupFacts day;
  day.inShownYear = true;
  day.hasPage = true;
  EXPECT_FALSE(CalendarPopupFor(day).copy);  // only sub-albums, or nothing, this year
  day.pageHasFiles = true;
  EXPECT_TRUE(CalendarPopupFor(day).copy);
  day.containerOpen = true;  // the page list's line of the page is gone
  EXPECT_FALSE(CalendarPopupFor(day).copy);
  day.containerOpen = false;
  day.inShownYear = false;
  EXPECT_FALSE(CalendarPopupFor(day).copy);
}

TEST(PageMenuRulesTest, CalendarDatesNeedEntriesAndPropertiesAPage) {
  CalendarPopupFacts day;
  day.inShownYear = true;
  CalendarPopupItems items = CalendarPopupFor(day);
  EXPECT_FALSE(items.fileDates || items.properties);
  day.hasPage = true;  // a page without entries this year
  items = CalendarPopupFor(day);
  EXPECT_TRUE(items.properties);
  EXPECT_FALSE(items.fileDates);
  day.pageHasEntries = true;
  EXPECT_TRUE(CalendarPopupFor(day).fileDates);
  day.inShownYear = false;  // a neighbouring month's day of another year
  items = CalendarPopupFor(day);
  EXPECT_FALSE(items.fileDates || items.properties);
}

TEST(PageMenuRulesTest, CalendarPasteIsShownOnEveryDayButNeedsAPageAndAFileList) {
  CalendarPopupFacts day;
  day.inShownYear = true;
  day.clipboardHasFiles = true;
  EXPECT_TRUE(CalendarPopupFor(day).paste);
  EXPECT_FALSE(CalendarPopupFor(day).pasteEnabled);
  day.hasPage = true;
  EXPECT_TRUE(CalendarPopupFor(day).pasteEnabled);
  day.clipboardHasFiles = false;
  EXPECT_FALSE(CalendarPopupFor(day).pasteEnabled);
}

TEST(PageMenuRulesTest, ArrangingIsOfferedOnlyWhileAContainerIsOpen) {
  ListPopupFacts facts;
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  facts.clipboardHasFiles = true;
  EXPECT_FALSE(ListPopupFor(facts).arrange);
  EXPECT_FALSE(ListPopupFor(facts).insertEnabled);
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kFile;
  ListPopupItems items = ListPopupFor(facts);
  EXPECT_TRUE(items.arrange && items.cutEnabled && items.insertEnabled);
  facts.selectedCount = 0;
  facts.firstKind = Kind::kNone;
  items = ListPopupFor(facts);
  EXPECT_FALSE(items.cutEnabled);
  EXPECT_TRUE(items.insertEnabled);  // appends at the end
  facts.clipboardHasFiles = false;
  EXPECT_FALSE(ListPopupFor(facts).insertEnabled);
}

TEST(PageMenuRulesTest, CopiesNeedASelectionAndPastingAClipboardAndATarget) {
  ListPopupFacts facts;
  facts.clipboardHasFiles = true;
  ListPopupItems items = ListPopupFor(facts);
  EXPECT_TRUE(items.copy && items.paste);
  EXPECT_FALSE(items.copyEnabled);
  // The page list with no page selected has nothing to paste onto.
  EXPECT_FALSE(items.pasteEnabled);
  EXPECT_FALSE(items.addImages);
  facts.selectedCount = 1;
  facts.firstKind = Kind::kPage;
  items = ListPopupFor(facts);
  EXPECT_TRUE(items.copyEnabled && items.pasteEnabled && items.addImages);
  facts.clipboardHasFiles = false;
  EXPECT_FALSE(ListPopupFor(facts).pasteEnabled);
  facts.mode = ListMode::kContainer;
  facts.firstKind = Kind::kNone;
  facts.selectedCount = 0;
  EXPECT_TRUE(ListPopupFor(facts).addImages);
}

TEST(PageMenuRulesTest, AFoldersPicturesOfferNoAlbumCommands) {
  ListPopupFacts facts;
  facts.mode = ListMode::kFolder;
  facts.selectedCount = 2;
  facts.firstKind = Kind::kFile;
  facts.clipboardHasFiles = true;
  const ListPopupItems items = ListPopupFor(facts);
  EXPECT_FALSE(items.addImages || items.arrange || items.copy || items.paste || items.remove ||
               items.createSubAlbum || items.pasteEnabled || items.copyEnabled);
}

}  // namespace
}  // namespace lumidex
