#pragma once

namespace lumidex {

// What the favourites list's menu `PopupMenu5` knows when it opens.
struct FavouritesMenuState {
  int rowCount = 0;
  int selectedCount = 0;
  bool clipboardHasFiles = false;
};

// How each item of `PopupMenu5` is offered (all are always shown).
struct FavouritesMenuOffer {
  bool open = false;       // "開く(&O)" (enabled)
  bool copy = false;       // "コピー(&C)"
  bool paste = false;      // "貼り付け(&P)"
  bool selectAll = false;  // "全て選択(&A)"
  bool remove = false;     // "削除(&D)"
  bool operator==(const FavouritesMenuOffer&) const = default;
};

// Opening, copying and deleting work on the selected rows; pasting needs a
// list of files on the clipboard; selecting all needs rows.
FavouritesMenuOffer FavouritesMenuOfferFor(const FavouritesMenuState& state);

// "お気に入りに追加" of the image list's menu: only while a page or
// sub-album is open, for a selection of its entries.
bool FavouriteAdditionOffered(bool containerOpen, int selectedCount);

}  // namespace lumidex
