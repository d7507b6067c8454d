#pragma once

#include <string>

#include "imagelist/entry_list.h"

namespace lumidex {

// What the list's popup menu knows about the moment it opens.
struct ListPopupFacts {
  ListMode mode = ListMode::kPageList;
  int selectedCount = 0;
  // The first selected line: a page of the page list, a "@" entry or a file.
  enum class Kind { kNone, kPage, kSubAlbum, kFile } firstKind = Kind::kNone;
  bool pageHasContent = false;  // the page's cover choice reports content
  bool pageUsedInOtherYears = false;
  bool coverIsPath = false;  // the page's cover value is a file path
  bool subAlbumOpen = false;
  bool slideShowRunning = false;
  bool clipboardHasFiles = false;  // a file list or album information to paste
};

// The page and sub-album commands of the list's popup menu and whether each
// is shown and enabled.
struct ListPopupItems {
  std::string openText;  // "ページを開く", "サブアルバムを開く" or "エクスプローラ"
  bool openVisible = false;
  bool openEnabled = false;
  bool createSubAlbum = false;  // "サブアルバムの作成"
  bool rename = false;          // "名前" (shown)
  bool renameEnabled = false;
  bool remove = false;  // "削除(&D)" (shown)
  bool removeEnabled = false;
  bool editComment = false;    // "コメントの編集"
  bool revert = false;         // "元に戻す(&U)"
  bool addImages = false;      // "画像の追加" (shown)
  bool arrange = false;        // "配置(&M)" (shown)
  bool cutEnabled = false;     // "切り取り(&T)"
  bool insertEnabled = false;  // "挿入"
  bool copy = false;           // "コピー(&C)" and "コピー（アルバム情報）" (shown)
  bool copyEnabled = false;
  bool paste = false;  // "貼り付け(&P)" (shown)
  bool pasteEnabled = false;
  bool dayList = false;  // "スライドタイプのリストに追加"
  bool operator==(const ListPopupItems&) const = default;
};

// The menu for `facts`: the first item is named after the first selected
// line and enabled for a page only when it has content; "サブアルバムの作成"
// only while no sub-album is open, in the open page or the selected page;
// "名前", "コメントの編集" and "元に戻す(&U)" only while a page or sub-album
// is open; "削除(&D)" and "名前" need a
// selection and no running slide show, and in the page list "削除(&D)" is
// offered only for a page no other year uses (or whose cover is a path).
// The registration commands work on the album: none of them is offered for
// a folder's pictures. "画像の追加" and "貼り付け(&P)" need a target: the
// open container or the selected page. "配置(&M)" only while a page or
// sub-album is open; its "切り取り(&T)" needs a selection, its "挿入" is
// enabled when "貼り付け(&P)" is. Both copies need a selection; pasting needs
// something on the clipboard. "スライドタイプのリストに追加" adds the
// selected page of the page list.
ListPopupItems ListPopupFor(const ListPopupFacts& facts);

// What the calendar's day menu knows about the day.
struct CalendarPopupFacts {
  bool inShownYear = false;  // neighbouring months' days of another year are not
  bool hasPage = false;      // the page index has the day's "mm/dd"
  bool usedInOtherYears = false;
  bool coverIsPath = false;
  bool clipboardHasFiles = false;  // a file list or album information to paste
  bool pageHasFiles = false;       // the page's section holds a file entry in the shown year
  bool pageHasEntries = false;     // the page's section holds any entry in the shown year
  bool containerOpen = false;      // a page or sub-album is open in the list
};

// The page commands of the calendar's day menu.
struct CalendarPopupItems {
  bool createPage = false;      // "アルバムにページを作成"
  bool createSubAlbum = false;  // "サブアルバムの作成"
  bool remove = false;          // "削除(&D)"
  bool addImages = false;       // "画像の追加"
  bool paste = false;           // "貼り付け(&P)" (shown)
  bool pasteEnabled = false;
  bool copy = false;  // "コピー(&C)"
  bool fileDates = false;   // "更新日に登録日を設定"
  bool properties = false;  // "プロパティ"
  bool dayList = false;     // "スライドタイプのリストに追加"
  bool operator==(const CalendarPopupItems&) const = default;
};

// Days of the shown year only: "アルバムにページを作成" without a page,
// "サブアルバムの作成" and "画像の追加" with one, "削除(&D)" for a page no
// other year uses (or whose cover is a path); "貼り付け(&P)" on every day of
// the shown year, enabled when the day has a page and the clipboard
// something to paste; "コピー(&C)" when the page has a file entry in the
// shown year and no container is open (the page's files are copied as the
// page list's copy does, from its line); "更新日に登録日を設定" when the
// page's section has entries; "プロパティ" when the day has a page. A day
// of another year (a neighbouring month's) offers only what needs no page:
// "スライドタイプのリストに追加", which every day offers.
CalendarPopupItems CalendarPopupFor(const CalendarPopupFacts& facts);

}  // namespace lumidex
