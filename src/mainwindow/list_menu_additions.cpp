#include "mainwindow/list_menu_additions.h"

namespace lumidex {

ListMenuAdditions ListMenuAdditionsFor(const ListMenuAdditionFacts& facts) {
  using Shows = ListMenuAdditionFacts::Shows;
  using Kind = ListMenuAdditionFacts::Kind;
  ListMenuAdditions items;
  const bool selection = facts.selectedCount > 0;
  const bool pageSelected =
      selection && facts.shows == Shows::kPageList && facts.firstKind == Kind::kPage;
  const bool fileSelected =
      selection && facts.shows != Shows::kPageList && facts.firstKind == Kind::kFile;
  items.goToDay = facts.shows == Shows::kContainer || pageSelected;
  items.editPictureEnabled = pageSelected || fileSelected;
  items.paint = facts.paintInstalled;
  items.cacheUpdate = facts.shows != Shows::kFolder;
  items.cacheUpdateEnabled = items.cacheUpdate && selection && facts.diskCache;
  items.propertiesEnabled = pageSelected || fileSelected;
  items.wallpaper = facts.shows != Shows::kPageList;
  items.wallpaperEnabled = fileSelected;
  const bool container = facts.shows == Shows::kContainer;
  const bool pageList = facts.shows == Shows::kPageList;
  items.revertEnabled = container && facts.modified;
  items.fileCopy = container;
  items.fileCopyEnabled = container && selection;
  items.change = container;
  items.changePathEnabled = container && facts.selectedCount == 1 && facts.firstKind == Kind::kFile;
  items.repair = pageList;
  items.repairEnabled = pageList && facts.selectedCount == 1;
  items.lock = pageList;
  items.lockEnabled = pageList && selection;
  items.fileDates = facts.shows != Shows::kFolder;
  items.fileDatesEnabled = items.fileDates && selection;
  items.search = container;
  items.findNextEnabled = container && facts.searchTextKnown;
  return items;
}

}  // namespace lumidex
