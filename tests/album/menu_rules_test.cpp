#include <gtest/gtest.h>

#include "album/menu_rules.h"
#include "album_fixture.h"

namespace lumidex::testing {
namespace {

TEST(MenuRulesTest, CalendarOffersPageCreationOnlyOnADayWithoutPage) {
  CalendarDayFacts day;
  day.inShownYear = true;
  CalendarMenuItems items = CalendarMenuFor(day);
  EXPECT_TRUE(items.createPage);
  EXPECT_FALSE(items.createSubAlbum || items.addImages || items.properties || items.deletePage);
  EXPECT_TRUE(items.pasteVisible);
  EXPECT_FALSE(items.pasteEnabled);
  day.hasPage = day.clipboardHasFiles = true;
  items = CalendarMenuFor(day);
  EXPECT_FALSE(items.createPage);
  EXPECT_TRUE(items.createSubAlbum && items.addImages && items.properties && items.pasteEnabled);
  EXPECT_FALSE(items.copy || items.setFileDates);
  day.inShownYear = false;
  items = CalendarMenuFor(day);
  EXPECT_FALSE(items.createPage || items.createSubAlbum || items.pasteVisible || items.deletePage);
}

TEST(MenuRulesTest, APageUsedInAnotherYearCannotBeDeletedUnlessItsCoverIsAPath) {
  CalendarDayFacts day;
  day.inShownYear = day.hasPage = day.usedInOtherYears = true;
  EXPECT_FALSE(CalendarMenuFor(day).deletePage);
  day.coverIsPath = true;
  EXPECT_TRUE(CalendarMenuFor(day).deletePage);
  ListMenuFacts list;
  list.hasSelection = true;
  list.selectedKind = ListLineKind::kPage;
  EXPECT_FALSE(ListMenuFor(list).deleteItems);
  list.pageDeletable = true;
  EXPECT_TRUE(ListMenuFor(list).deleteItems);
  list.slideShowRunning = true;
  EXPECT_FALSE(ListMenuFor(list).deleteItems);
}

TEST(MenuRulesTest, ListMenuFollowsTheOpenContainerAndTheSelectedLine) {
  ListMenuFacts facts;
  facts.hasSelection = true;
  facts.selectedKind = ListLineKind::kPage;
  ListMenuItems items = ListMenuFor(facts);
  EXPECT_EQ(items.openCaption, "ページを開く");
  EXPECT_FALSE(items.openEnabled);
  EXPECT_TRUE(items.repairMissing && items.lockUnlock && items.createSubAlbum);
  EXPECT_FALSE(items.rename || items.arrange || items.editComment || items.copyToFolder);

  facts.containerOpen = facts.subAlbumOpen = true;
  facts.selectedKind = ListLineKind::kFile;
  items = ListMenuFor(facts);
  EXPECT_EQ(items.openCaption, "エクスプローラ");
  EXPECT_TRUE(items.rename && items.arrange && items.editComment && items.addFavourite && items.deleteItems);
  EXPECT_FALSE(items.repairMissing || items.lockUnlock || items.createSubAlbum);
  facts.subAlbumOpen = false;
  facts.selectedKind = ListLineKind::kSubAlbum;
  EXPECT_EQ(ListMenuFor(facts).openCaption, "サブアルバムを開く");
  facts.hasSelection = false;
  items = ListMenuFor(facts);
  EXPECT_FALSE(items.copy || items.copyAlbumInfo || items.deleteItems || items.rename);
}

class MenuFactsTest : public AlbumTest {};

TEST_F(MenuFactsTest, FactsComeFromTheShownYearAndOtherYears) {
  WriteAlbum(IndexPath(), "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n05/05=/x/c.jpg\r\n");
  WriteAlbum(YearPath("2014"), "[03/15]\r\n@03/15旅行=\r\n[04/01]\r\n/a.jpg=\r\n");
  WriteAlbum(YearPath("2013"), "[04/01]\r\n/old.jpg=\r\n");
  OpenYear("2014");
  const CalendarDayFacts subOnly = CalendarDayFactsOf(*store, "2014/03/15", false);
  EXPECT_TRUE(subOnly.hasPage && subOnly.hasEntries && subOnly.inShownYear);
  EXPECT_FALSE(subOnly.hasFileEntry || subOnly.usedInOtherYears);
  EXPECT_TRUE(CalendarDayFactsOf(*store, "2014/04/01", false).usedInOtherYears);
  EXPECT_TRUE(CalendarDayFactsOf(*store, "2014/05/05", false).coverIsPath);
  EXPECT_FALSE(CalendarDayFactsOf(*store, "2015/04/01", false).inShownYear);

  store->SetShowAllPages(true);
  const size_t first = 1;  // 04/01
  const ListMenuFacts facts = ListMenuFactsOf(*store, &first, false, false);
  EXPECT_EQ(facts.selectedKind, ListLineKind::kPage);
  EXPECT_TRUE(facts.pageHasContent);
  EXPECT_FALSE(facts.pageDeletable);
}

}  // namespace
}  // namespace lumidex::testing
