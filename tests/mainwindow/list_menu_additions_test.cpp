#include "mainwindow/list_menu_additions.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

using Shows = ListMenuAdditionFacts::Shows;
using Kind = ListMenuAdditionFacts::Kind;

ListMenuAdditions For(Shows shows, int selected, Kind kind, bool paint = true,
                      bool diskCache = true) {
  return ListMenuAdditionsFor({shows, selected, kind, paint, diskCache});
}

TEST(ListMenuAdditionsTest, EditingAndPropertiesNeedAPageOfThePageListOrAFile) {
  const ListMenuAdditions page = For(Shows::kPageList, 1, Kind::kPage);
  EXPECT_TRUE(page.editPictureEnabled);
  EXPECT_TRUE(page.propertiesEnabled);
  EXPECT_TRUE(page.goToDay);
  const ListMenuAdditions file = For(Shows::kContainer, 2, Kind::kFile);
  EXPECT_TRUE(file.editPictureEnabled);
  EXPECT_TRUE(file.propertiesEnabled);
  EXPECT_TRUE(For(Shows::kFolder, 1, Kind::kFile).editPictureEnabled);

  const ListMenuAdditions subAlbum = For(Shows::kContainer, 1, Kind::kSubAlbum);
  EXPECT_FALSE(subAlbum.editPictureEnabled);
  EXPECT_FALSE(subAlbum.propertiesEnabled);
  EXPECT_TRUE(subAlbum.goToDay);  // the open page's day
  const ListMenuAdditions nothing = For(Shows::kPageList, 0, Kind::kNone);
  EXPECT_FALSE(nothing.editPictureEnabled);
  EXPECT_FALSE(nothing.propertiesEnabled);
  EXPECT_FALSE(nothing.goToDay);
  EXPECT_FALSE(For(Shows::kFolder, 1, Kind::kFile).goToDay);
}

TEST(ListMenuAdditionsTest,
     PaintOnlyWhenInstalledAndTheCacheUpdateOnlyForAlbumLinesWithTheCacheOn) {
  EXPECT_TRUE(For(Shows::kContainer, 1, Kind::kFile, true).paint);
  EXPECT_FALSE(For(Shows::kContainer, 1, Kind::kFile, false).paint);

  const ListMenuAdditions on = For(Shows::kPageList, 1, Kind::kPage, true, true);
  EXPECT_TRUE(on.cacheUpdate);
  EXPECT_TRUE(on.cacheUpdateEnabled);
  const ListMenuAdditions off = For(Shows::kContainer, 1, Kind::kSubAlbum, true, false);
  EXPECT_TRUE(off.cacheUpdate);
  EXPECT_FALSE(off.cacheUpdateEnabled);
  EXPECT_FALSE(For(Shows::kContainer, 0, Kind::kNone).cacheUpdateEnabled);
  EXPECT_FALSE(For(Shows::kFolder, 1, Kind::kFile).cacheUpdate);
}

TEST(ListMenuAdditionsTest, TheWallpaperNeedsASelectedFileAndRevertingUnsavedChanges) {
  EXPECT_FALSE(For(Shows::kPageList, 1, Kind::kPage).wallpaper);
  const ListMenuAdditions subAlbum = For(Shows::kContainer, 1, Kind::kSubAlbum);
  EXPECT_TRUE(subAlbum.wallpaper);
  EXPECT_FALSE(subAlbum.wallpaperEnabled);
  EXPECT_TRUE(For(Shows::kContainer, 1, Kind::kFile).wallpaperEnabled);
  EXPECT_TRUE(For(Shows::kFolder, 1, Kind::kFile).wallpaperEnabled);
  EXPECT_FALSE(For(Shows::kFolder, 0, Kind::kNone).wallpaperEnabled);

  ListMenuAdditionFacts facts{Shows::kContainer, 0, Kind::kNone, true, true};
  EXPECT_FALSE(ListMenuAdditionsFor(facts).revertEnabled);
  facts.modified = true;
  EXPECT_TRUE(ListMenuAdditionsFor(facts).revertEnabled);
  facts.shows = Shows::kPageList;  // nothing open to revert
  EXPECT_FALSE(ListMenuAdditionsFor(facts).revertEnabled);
}

TEST(ListMenuAdditionsTest, FileToolsLockAndSearchFollowWhatTheListShows) {
  const ListMenuAdditions pages = For(Shows::kPageList, 1, Kind::kPage);
  EXPECT_TRUE(pages.repair && pages.repairEnabled && pages.lock && pages.lockEnabled);
  EXPECT_FALSE(pages.fileCopy || pages.change || pages.search);
  EXPECT_FALSE(For(Shows::kPageList, 2, Kind::kPage).repairEnabled);  // one page at a time
  EXPECT_FALSE(For(Shows::kPageList, 0, Kind::kNone).lockEnabled);

  const ListMenuAdditions file = For(Shows::kContainer, 1, Kind::kFile);
  EXPECT_TRUE(file.fileCopy && file.fileCopyEnabled && file.change && file.changePathEnabled);
  EXPECT_TRUE(file.search);
  EXPECT_FALSE(file.findNextEnabled);  // nothing searched for yet
  EXPECT_FALSE(file.repair || file.lock);
  EXPECT_FALSE(For(Shows::kContainer, 1, Kind::kSubAlbum).changePathEnabled);
  EXPECT_FALSE(For(Shows::kContainer, 2, Kind::kFile).changePathEnabled);

  ListMenuAdditionFacts searched{Shows::kContainer, 0, Kind::kNone, true, true};
  searched.searchTextKnown = true;
  EXPECT_TRUE(ListMenuAdditionsFor(searched).findNextEnabled);
  searched.shows = Shows::kPageList;
  EXPECT_FALSE(ListMenuAdditionsFor(searched).findNextEnabled);

  EXPECT_TRUE(For(Shows::kContainer, 1, Kind::kSubAlbum).fileDatesEnabled);
  EXPECT_FALSE(For(Shows::kContainer, 0, Kind::kNone).fileDatesEnabled);
  EXPECT_FALSE(For(Shows::kFolder, 1, Kind::kFile).fileDates);
}

}  // namespace
}  // namespace lumidex
