#pragma once

namespace lumidex {

// What the detail list's menu `PopupMenu3` knows when it opens.
struct DetailMenuState {
  bool folderView = false;      // the rows are a folder's files, not album entries
  int rowCount = 0;
  int selectedCount = 0;
  bool firstIsSubAlbum = false;  // the first selected row is a sub-album
  bool clipboardHasFiles = false;
};

// How each item of `PopupMenu3` is offered.
struct DetailMenuOffer {
  bool open = false;             // "開く" (enabled)
  bool renameShown = false;      // "名前の変更"
  bool rename = false;           //   enabled
  bool removeShown = false;      // "削除"
  bool remove = false;           //   enabled
  bool copy = false;             // "コピー(&C)" (enabled)
  bool pasteShown = false;       // "貼り付け(&P)"
  bool paste = false;            //   enabled
  bool selectMissing = false;    // "不明ファイルの選択" (enabled)
  bool explore = false;          // "エクスプローラ" (enabled)
  bool properties = false;       // "プロパティ" (enabled)
  bool operator==(const DetailMenuOffer&) const = default;
};

// The entry commands (rename, delete, paste) change the shown page or
// sub-album and are not shown over a folder's files; each command on rows
// needs a selection; the folder of "エクスプローラ" belongs to a file, so
// a sub-album row does not offer it; pasting needs files
// on the clipboard; "不明ファイルの選択" needs rows to look at.
DetailMenuOffer DetailMenuOfferFor(const DetailMenuState& state);

// What the preview card's menu `PopupMenu4` knows when it opens.
struct PreviewMenuState {
  bool pictureShown = false;     // the card shows a picture's path
  bool fileExists = false;       // that file exists
  bool editorConnected = false;  // the window serves the picture editor
};

struct PreviewMenuOffer {
  bool edit = false;  // "編集ツールを開く(&E)" (enabled)
  bool copy = false;  // "コピー(&C)" (enabled)
  bool operator==(const PreviewMenuOffer&) const = default;
};

// Both commands need the shown picture's file; editing also needs the
// window's picture editor.
PreviewMenuOffer PreviewMenuOfferFor(const PreviewMenuState& state);

}  // namespace lumidex
