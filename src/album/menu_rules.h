#pragma once

#include <string>
#include <string_view>

namespace lumidex {

class AlbumStore;

// Which album commands the calendar's day menu and the image list's menu
// offer. Pure rules over facts that the window gathers (or that the
// functions taking an AlbumStore gather from the album).

// ---- Calendar day menu ----

struct CalendarDayFacts {
  bool inShownYear = false;        // the day lies in the shown year
  bool hasPage = false;            // the page index has the day's "mm/dd"
  bool coverIsPath = false;        // its cover value is a path, not ".alb"
  bool usedInOtherYears = false;   // another year's document has the page
  bool hasFileEntry = false;       // the page has a file entry in the shown year
  bool hasEntries = false;         // the page has entries in the shown year
  bool clipboardHasFiles = false;  // the clipboard holds a file list
};

struct CalendarMenuItems {
  bool createPage = false;      // "アルバムにページを作成"
  bool createSubAlbum = false;  // "サブアルバムの作成"
  bool addImages = false;       // "画像の追加"
  bool pasteVisible = false;    // "貼り付け(&P)"
  bool pasteEnabled = false;
  bool copy = false;            // "コピー(&C)"
  bool properties = false;      // "プロパティ"
  bool setFileDates = false;    // "更新日に登録日を設定"
  bool deletePage = false;      // "削除(&D)"
};

CalendarMenuItems CalendarMenuFor(const CalendarDayFacts& facts);

// The facts of the day `date` ("yyyy/mm/dd") from the album.
CalendarDayFacts CalendarDayFactsOf(const AlbumStore& store, std::string_view date,
                                    bool clipboardHasFiles);

// ---- Image list menu ("PopupMenu2") ----

enum class ListLineKind { kNone, kPage, kSubAlbum, kFile };

struct ListMenuFacts {
  bool hasSelection = false;
  ListLineKind selectedKind = ListLineKind::kNone;  // the first selected line
  bool pageHasContent = false;    // a selected page line: PageCover reports content
  bool pageDeletable = false;     // a selected page line: no other year uses it, or its cover is a path
  bool containerOpen = false;     // a page or sub-album is open
  bool subAlbumOpen = false;
  bool slideShowRunning = false;
  bool clipboardHasFiles = false;
};

struct ListMenuItems {
  std::string openCaption;         // "ページを開く", "サブアルバムを開く", "エクスプローラ" or ""
  bool openEnabled = false;
  bool copy = false;               // "コピー(&C)"
  bool copyAlbumInfo = false;      // "コピー（アルバム情報）"
  bool deleteItems = false;        // "削除(&D)"
  bool rename = false;             // "名前"
  bool arrange = false;            // "配置(&M)"
  bool addFavourite = false;       // "お気に入りに追加"
  bool copyToFolder = false;       // "指定場所へのファイルコピー"
  bool editComment = false;        // "コメントの編集"
  bool repairMissing = false;      // "不明画像の再設定"
  bool lockUnlock = false;         // "ロックとアンロック"
  bool createSubAlbum = false;     // "サブアルバムの作成"
  bool pasteEnabled = false;       // "貼り付け(&P)"
};

ListMenuItems ListMenuFor(const ListMenuFacts& facts);

// The facts of the current lines with the first selected line `firstSelected`
// (or none) from the album.
ListMenuFacts ListMenuFactsOf(const AlbumStore& store, const size_t* firstSelected,
                              bool slideShowRunning, bool clipboardHasFiles);

}  // namespace lumidex
