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
  items.revertEnabled = facts.shows == Shows::kContainer && facts.modified;
  return items;
}

}  // namespace lumidex
