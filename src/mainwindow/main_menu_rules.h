#pragma once

#include <string_view>

namespace lumidex {

// What the image list shows.
enum class ListShown { kPageList, kPage, kSubAlbum, kFolder };

// The window's state that decides which items of the main menu are offered
// when a menu opens. The window gathers it; the rules below read nothing
// else.
struct MainMenuState {
  ListShown list = ListShown::kPageList;
  bool freeLayoutShown = false;     // the free layout page `FreePanel` is shown
  bool actualSizeView = false;      // the picture view shows its picture at actual size
  bool albumListOpen = false;       // the album list window (or its search-result form) is open
  bool passwordRegistered = false;  // a page-lock password is registered
  bool clipboardHasFilesOrText = false;
  bool freeLayoutItemsSelected = false;  // at least one free layout item is selected
  bool listHasItems = false;             // the image list has at least one item
  bool albumModified = false;            // the open page or sub-album has unsaved changes
};

// How a menu item is offered.
struct ItemOffer {
  bool visible = true;
  bool enabled = true;
  bool operator==(const ItemOffer&) const = default;
};

// The items of the main menu whose offer depends on the state. Every other
// item is always visible and enabled.
struct MainMenuOffer {
  // ファイル and 編集 (one rule for both menus).
  ItemOffer enlargedSave;      // "拡大画像の保存": only in the actual-size view
  ItemOffer print;             // "印刷(&P)": the free layout shown or a page open
  std::string_view printHint;  // "" for the free layout, else "選択した画像を印刷する"
  ItemOffer undo;              // "元に戻す(&U)": enabled with a page open and modified
  ItemOffer copy;              // "コピー(&C)": visible with free layout items selected
  ItemOffer paste;             // "貼り付け(&P)": free layout shown and something to paste
  ItemOffer selectAll;         // "全て選択(&A)": enabled while the image list has items
  ItemOffer invert;            // "選択の切り替え(&I)": as "全て選択(&A)"
  // 表示.
  ItemOffer allAlbums;  // "全てのアルバム": hidden while the album list window is open
  ItemOffer refresh;    // "最新の情報に更新": only while the free layout page is shown
  // 検索.
  ItemOffer find;  // "検索": hidden while the album list window is open
  // ツール.
  ItemOffer passwordChange;  // "パスワードの変更": only while a password is registered
};

// The offer of every state-dependent item of the main menu for `state`.
// A page open means a page or a sub-album open in the list.
MainMenuOffer MainMenuOfferFor(const MainMenuState& state);

// The list "全て選択(&A)" and "選択の切り替え(&I)" work on.
enum class SelectionTarget { kFreeLayout, kImageList, kDetailList, kAlbumList };

// Where the input focus is when a selection command runs.
struct SelectionFocus {
  bool freeLayoutShown = false;
  bool detailListShown = false;
  bool detailListHasFocus = false;
  bool albumListHasFocus = false;  // the album list window is open and its list has the focus
};

// The free layout while it is shown (whatever has the focus); otherwise the
// list with the input focus: the detail list while it is shown, or the list
// of the album list window; the image list in every other case, as the
// items are offered while the image list has items.
SelectionTarget SelectionTargetFor(const SelectionFocus& focus);

}  // namespace lumidex
