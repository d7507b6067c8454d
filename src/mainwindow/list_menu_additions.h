#pragma once

namespace lumidex {

// What the image list's menu knows, for the items the window adds to it.
struct ListMenuAdditionFacts {
  enum class Shows { kPageList, kContainer, kFolder } shows = Shows::kPageList;
  int selectedCount = 0;
  // The first selected line: a page of the page list, a "@" entry or a file.
  enum class Kind { kNone, kPage, kSubAlbum, kFile } firstKind = Kind::kNone;
  bool paintInstalled = false;  // a desktop paint program was found
  bool diskCache = false;       // the disk cache is in use ("hdd")
  bool modified = false;        // the open page or sub-album has unsaved changes
  bool searchTextKnown = false; // the list search has a text to look for again
};

// Which of the window's items of the list's menu are shown and enabled.
struct ListMenuAdditions {
  bool goToDay = false;             // "この日に移動"
  bool editPictureEnabled = false;  // "ツールを開く" and "ペイント" of "画像の編集"
  bool paint = false;               // "ペイント" (shown)
  bool cacheUpdate = false;         // "ディスクキャッシュの更新" (shown)
  bool cacheUpdateEnabled = false;
  bool propertiesEnabled = false;  // "プロパティ"
  bool wallpaper = false;          // "デスクトップの背景として設定" (shown)
  bool wallpaperEnabled = false;
  bool revertEnabled = false;      // "元に戻す(&U)"
  bool fileCopy = false;           // "指定場所へのファイルコピー" (shown)
  bool fileCopyEnabled = false;
  bool repair = false;             // "不明画像の再設定" (shown)
  bool repairEnabled = false;
  bool change = false;             // "変更" (shown)
  bool changePathEnabled = false;  // its "ファイルパス名"
  bool fileDates = false;          // "更新日に登録日を設定" (shown)
  bool fileDatesEnabled = false;
  bool lock = false;               // "ロックとアンロック" (shown)
  bool lockEnabled = false;
  bool search = false;             // "検索(&F)" and "次を検索(&S)" (shown)
  bool findNextEnabled = false;    // "次を検索(&S)"
  bool operator==(const ListMenuAdditions&) const = default;
};

// "この日に移動" while a page or sub-album is open, or a page of the page
// list is selected. The commands of "画像の編集" need a selected file, or
// a selected page of the page list (whose cover is edited); "ペイント" only when a
// paint program is installed ("編集ツールの選択" is always offered).
// "ディスクキャッシュの更新" for the album's lines (not a folder's
// pictures), enabled with a selection while the disk cache is in use.
// "プロパティ" is enabled when the first selected line is a page or a
// file (a sub-album has no properties). "デスクトップの背景として設定" is
// shown for the entries of a page, sub-album or folder and enabled when the
// first selected line is a file. "元に戻す(&U)" is enabled while the open
// page or sub-album has unsaved changes. "指定場所へのファイルコピー" and
// "変更" only while a page or sub-album is open, the copy with a
// selection, "ファイルパス名" for one selected file. "不明画像の再設定" and
// "ロックとアンロック" only in the page list, the repair for one selected
// page, the lock for a selection. "更新日に登録日を設定" for the album's
// lines with a selection. The list search while a page or sub-album is
// open, "次を検索(&S)" once a text was searched for.
ListMenuAdditions ListMenuAdditionsFor(const ListMenuAdditionFacts& facts);

}  // namespace lumidex
