#pragma once

namespace lumidex {

// What the free layout's item menu `PopupMenu6` knows about the item it
// opened on and the selection around it.
struct ItemMenuState {
  enum class Kind { kText, kPicture, kMissingPicture } kind = Kind::kText;
  bool jpeg = false;           // the item's extension is ".jpg"
  int selectedCount = 0;       // selected items, the item included
  bool rotated = false;        // the item is drawn rotated
  bool imgshadow = false;      // the "imgshadow" setting is on
  bool keepAspect = false;     // the item's flags, for the check marks
  bool clearBack = false;
  bool edgeFix = false;
};

// How each state-dependent item of `PopupMenu6` is offered. Items not named
// here (copy, cut, to top, to bottom, delete) are always offered.
struct ItemMenuOffer {
  bool editText = false;       // "テキストの編集(&E)" (shown)
  bool exifTexts = false;      // "撮影情報でテキストを追加" (shown)
  bool swap = false;           // "画像の位置を入れ換える" (enabled)
  bool several = false;        // arrange, both aligns, both spacings, same size (enabled)
  bool sameScale = false;      // "サイズの縮小率を合わせる" (enabled)
  bool pictureItems = false;   // "画像の回転", "画像の編集(&E)", "幅と高さの比率を固定(&A)",
                               // "画像の背景を透過" (shown)
  bool edgeFixShown = false;   // "画像の影を補正" (shown)
  bool keepAspectChecked = false;
  bool clearBackChecked = false;
  bool edgeFixChecked = false;
  bool operator==(const ItemMenuOffer&) const = default;
};

// The item menu for `state`: the text dialog for texts; shooting-information
// texts for an existing ".jpg" picture; the picture commands and their check
// marks for an existing picture, the edge correction only for a rotated one
// with "imgshadow" on (it corrects nothing else); with n selected items (counting stops at 3) the commands over several
// items when n > 1, the same scale when n > 1 on an existing picture, the
// swap when n = 2.
ItemMenuOffer ItemMenuOfferFor(const ItemMenuState& state);

// What the canvas menu `PopupMenu7` knows when it opens.
struct CanvasMenuState {
  bool itemsOutside = false;          // an item lies outside the visible canvas
  bool hasItems = false;              // the shown tab holds at least one item
  bool clipboardHasFilesOrText = false;
  bool canUndo = false;
  bool canRedo = false;
};

struct CanvasMenuOffer {
  bool bringBack = false;      // "ウィンドウ外の画像を戻す" (shown)
  bool selection = false;      // "全て選択(&A)", "選択の切り替え(&I)",
                               // "テキストを前面に移動" (enabled)
  bool paste = false;          // "貼り付け(&P)" (enabled)
  bool undo = false;           // "元に戻す" (enabled)
  bool redo = false;           // "やり直し" (enabled)
  bool operator==(const CanvasMenuOffer&) const = default;
};

// "ウィンドウ外の画像を戻す" only while some item lies outside; the
// selection commands and "テキストを前面に移動" need items; pasting needs
// files or text on the clipboard (or the program's own copied items, which
// the caller counts as text); undo and redo follow the canvas's history.
CanvasMenuOffer CanvasMenuOfferFor(const CanvasMenuState& state);

// The tab strip's menu `PopupMenu8`: "名前の変更" and "削除" are shown only
// while a tab is selected, and the menu opens only then.
bool TabMenuOffered(int selectedTab);

// What the catalogue tree's menu `PopupMenu9` knows when it opens.
struct TreeMenuState {
  bool searchResult = false;  // the tree shows the result of a search
  int selectedLevel = -1;     // 0 the root, 1 a page node, 2 below, -1 nothing selected
  bool byAlbumName = false;   // the layout is organised by album name (else by date)
  bool canvasShown = false;
};

struct TreeMenuOffer {
  bool newPage = false;        // "新規作成" (shown)
  bool addTab = false;         // "タブの追加" (shown)
  bool renameAlbum = false;    // "名前の変更" (shown)
  bool deleteShown = false;    // "削除(&D)" (shown)
  bool deleteEnabled = false;  // "削除(&D)" (enabled)
  bool operator==(const TreeMenuOffer&) const = default;
};

// Outside a search result: "新規作成" at the root, by album name or by date
// with the canvas hidden; "タブの追加" at page level; "名前の変更" at page
// level by album name; "削除(&D)" shown, enabled only at page level. A
// search result offers only the search and the expand and collapse items,
// which are always shown.
TreeMenuOffer TreeMenuOfferFor(const TreeMenuState& state);

}  // namespace lumidex
