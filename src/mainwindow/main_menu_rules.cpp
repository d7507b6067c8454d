#include "mainwindow/main_menu_rules.h"

namespace lumidex {

MainMenuOffer MainMenuOfferFor(const MainMenuState& state) {
  const bool pageOpen = state.list == ListShown::kPage || state.list == ListShown::kSubAlbum;
  MainMenuOffer offer;
  offer.enlargedSave.visible = state.actualSizeView;
  offer.print.visible = state.freeLayoutShown || pageOpen;
  offer.printHint =
      state.freeLayoutShown ? std::string_view() : std::string_view("選択した画像を印刷する");
  // Revert drops the open container's edits; in the page list there is no
  // container to revert even when the album is marked modified.
  offer.undo.enabled = pageOpen && state.albumModified;
  offer.copy.visible = state.freeLayoutItemsSelected;
  offer.paste.visible = state.freeLayoutShown && state.clipboardHasFilesOrText;
  offer.selectAll.enabled = state.listHasItems;
  offer.invert.enabled = state.listHasItems;
  offer.allAlbums.visible = !state.albumListOpen;
  offer.refresh.visible = state.freeLayoutShown;
  offer.find.visible = !state.albumListOpen;
  offer.passwordChange.visible = state.passwordRegistered;
  return offer;
}

SelectionTarget SelectionTargetFor(const SelectionFocus& focus) {
  if (focus.freeLayoutShown) return SelectionTarget::kFreeLayout;
  if (focus.detailListShown && focus.detailListHasFocus) return SelectionTarget::kDetailList;
  if (focus.albumListHasFocus) return SelectionTarget::kAlbumList;
  return SelectionTarget::kImageList;
}

}  // namespace lumidex
