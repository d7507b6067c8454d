#include "freelayout/free_layout_menu_rules.h"

#include <algorithm>

namespace lumidex {

ItemMenuOffer ItemMenuOfferFor(const ItemMenuState& state) {
  using Kind = ItemMenuState::Kind;
  const bool picture = state.kind == Kind::kPicture;
  // The menu counts at most three selected items: more changes nothing.
  const int selected = std::clamp(state.selectedCount, 0, 3);
  ItemMenuOffer offer;
  offer.editText = state.kind == Kind::kText;
  // A missing picture has no shooting data to read.
  offer.exifTexts = picture && state.jpeg;
  offer.swap = selected == 2;
  offer.several = selected > 1;
  offer.sameScale = selected > 1 && picture;
  offer.pictureItems = picture;
  offer.edgeFixShown = picture && state.imgshadow && state.rotated;
  offer.keepAspectChecked = picture && state.keepAspect;
  offer.clearBackChecked = picture && state.clearBack;
  offer.edgeFixChecked = offer.edgeFixShown && state.edgeFix;
  return offer;
}

CanvasMenuOffer CanvasMenuOfferFor(const CanvasMenuState& state) {
  CanvasMenuOffer offer;
  offer.bringBack = state.itemsOutside;
  offer.selection = state.hasItems;
  offer.paste = state.clipboardHasFilesOrText;
  offer.undo = state.canUndo;
  offer.redo = state.canRedo;
  return offer;
}

bool TabMenuOffered(int selectedTab) { return selectedTab >= 0; }

TreeMenuOffer TreeMenuOfferFor(const TreeMenuState& state) {
  TreeMenuOffer offer;
  if (state.searchResult) return offer;
  const bool root = state.selectedLevel == 0;
  const bool pageLevel = state.selectedLevel == 1;
  offer.newPage = root && (state.byAlbumName || !state.canvasShown);
  offer.addTab = pageLevel;
  offer.renameAlbum = pageLevel && state.byAlbumName;
  offer.deleteShown = true;
  offer.deleteEnabled = pageLevel;
  return offer;
}

}  // namespace lumidex
