#include "album/menu_rules.h"

#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/ini_line.h"

namespace lumidex {

CalendarMenuItems CalendarMenuFor(const CalendarDayFacts& facts) {
  CalendarMenuItems items;
  // Days of a neighbouring month in another year offer nothing of a page.
  if (!facts.inShownYear) return items;
  items.createPage = !facts.hasPage;
  items.createSubAlbum = items.addImages = items.properties = facts.hasPage;
  items.pasteVisible = true;
  items.pasteEnabled = facts.hasPage && facts.clipboardHasFiles;
  items.copy = facts.hasPage && facts.hasFileEntry;
  items.setFileDates = facts.hasPage && facts.hasEntries;
  items.deletePage = facts.hasPage && (!facts.usedInOtherYears || facts.coverIsPath);
  return items;
}

CalendarDayFacts CalendarDayFactsOf(const AlbumStore& store, std::string_view date,
                                    bool clipboardHasFiles) {
  CalendarDayFacts facts;
  facts.clipboardHasFiles = clipboardHasFiles;
  if (date.size() != 10) return facts;
  const std::string year(date.substr(0, 4)), page(date.substr(5));
  facts.inShownYear = store.HasYear() && year == store.loadedYear();
  facts.hasPage = store.pageIndex().HasKey("DATA", page);
  if (!facts.hasPage) return facts;
  facts.coverIsPath = store.pageIndex().GetValue("DATA", page, "") != ".alb";
  facts.usedInOtherYears = store.PageUsedInOtherYears(page, year);
  if (!facts.inShownYear) return facts;
  if (const auto* lines = store.yearDocument().FindSection(page)) {
    facts.hasEntries = !lines->empty();
    for (const auto& line : *lines) facts.hasFileEntry |= !IsSubAlbumEntry(EntryNameOf(line));
  }
  return facts;
}

ListMenuItems ListMenuFor(const ListMenuFacts& facts) {
  ListMenuItems items;
  switch (facts.selectedKind) {
    case ListLineKind::kPage:
      items.openCaption = "ページを開く";
      items.openEnabled = facts.pageHasContent;
      break;
    case ListLineKind::kSubAlbum:
      items.openCaption = "サブアルバムを開く";
      items.openEnabled = true;
      break;
    case ListLineKind::kFile:
      items.openCaption = "エクスプローラ";
      items.openEnabled = true;
      break;
    case ListLineKind::kNone:
      break;
  }
  const bool selection = facts.hasSelection;
  items.copy = items.copyAlbumInfo = selection;
  const bool changeable = selection && !facts.slideShowRunning;
  items.deleteItems = changeable && (facts.containerOpen || facts.pageDeletable);
  items.rename = changeable && facts.containerOpen;
  items.arrange = items.addFavourite = items.copyToFolder = items.editComment = facts.containerOpen;
  items.repairMissing = !facts.containerOpen;
  items.lockUnlock = !facts.containerOpen && selection;
  items.createSubAlbum = !facts.subAlbumOpen;
  items.pasteEnabled = facts.clipboardHasFiles;
  return items;
}

ListMenuFacts ListMenuFactsOf(const AlbumStore& store, const size_t* firstSelected,
                              bool slideShowRunning, bool clipboardHasFiles) {
  ListMenuFacts facts;
  facts.containerOpen = store.PageOpen();
  facts.subAlbumOpen = store.SubAlbumOpen();
  facts.slideShowRunning = slideShowRunning;
  facts.clipboardHasFiles = clipboardHasFiles;
  if (firstSelected == nullptr || *firstSelected >= store.Lines().size()) return facts;
  facts.hasSelection = true;
  const std::string& line = store.Lines()[*firstSelected];
  if (!facts.containerOpen) {
    facts.selectedKind = ListLineKind::kPage;
    const std::string page = line.substr(0, 5);
    const std::string value(ValueOf(line));
    facts.pageHasContent = store.PageCover(page, value).hasContent;
    facts.pageDeletable = value != ".alb" || !store.PageUsedInOtherYears(page, store.loadedYear());
  } else {
    facts.selectedKind =
        IsSubAlbumEntry(EntryNameOf(line)) ? ListLineKind::kSubAlbum : ListLineKind::kFile;
  }
  return facts;
}

}  // namespace lumidex
