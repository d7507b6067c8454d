#include "imagelist/page_menu_rules.h"

namespace lumidex {

ListPopupItems ListPopupFor(const ListPopupFacts& facts) {
  using Kind = ListPopupFacts::Kind;
  ListPopupItems items;
  const bool containerOpen = facts.mode == ListMode::kContainer;
  const bool pageList = facts.mode == ListMode::kPageList;
  const bool selection = facts.selectedCount > 0;
  switch (facts.firstKind) {
    case Kind::kPage:
      items.openText = "ページを開く";
      items.openEnabled = facts.pageHasContent;
      break;
    case Kind::kSubAlbum:
      items.openText = "サブアルバムを開く";
      items.openEnabled = true;
      break;
    case Kind::kFile:
      items.openText = "エクスプローラ";
      items.openEnabled = true;
      break;
    case Kind::kNone:
      break;
  }
  items.openVisible = selection && facts.firstKind != Kind::kNone;

  items.rename = containerOpen;
  items.renameEnabled = containerOpen && selection && !facts.slideShowRunning;
  items.editComment = containerOpen;
  items.revert = containerOpen;
  items.remove = facts.mode != ListMode::kFolder;
  const bool deletablePage = !facts.pageUsedInOtherYears || facts.coverIsPath;
  items.removeEnabled =
      items.remove && selection && !facts.slideShowRunning && (!pageList || deletablePage);
  const bool album = facts.mode != ListMode::kFolder;
  const bool hasTarget = containerOpen || (pageList && facts.firstKind == Kind::kPage);
  items.createSubAlbum = !facts.subAlbumOpen && album && hasTarget;
  items.addImages = album && hasTarget;
  items.arrange = containerOpen;
  items.cutEnabled = containerOpen && selection && !facts.slideShowRunning;
  items.copy = album;
  items.copyEnabled = album && selection;
  items.paste = album;
  items.pasteEnabled = album && hasTarget && facts.clipboardHasFiles;
  items.insertEnabled = containerOpen && items.pasteEnabled;
  items.dayList = pageList && facts.firstKind == Kind::kPage;
  return items;
}

CalendarPopupItems CalendarPopupFor(const CalendarPopupFacts& facts) {
  CalendarPopupItems menu;
  menu.dayList = true;
  if (!facts.inShownYear) return menu;
  menu.createPage = !facts.hasPage;
  menu.createSubAlbum = facts.hasPage;
  menu.remove = facts.hasPage && (!facts.usedInOtherYears || facts.coverIsPath);
  menu.addImages = facts.hasPage;
  menu.paste = true;
  menu.pasteEnabled = facts.hasPage && facts.clipboardHasFiles;
  menu.copy = facts.hasPage && facts.pageHasFiles && !facts.containerOpen;
  menu.fileDates = facts.pageHasEntries;
  menu.properties = facts.hasPage;
  return menu;
}

}  // namespace lumidex
