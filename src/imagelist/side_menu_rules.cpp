#include "imagelist/side_menu_rules.h"

namespace lumidex {

DetailMenuOffer DetailMenuOfferFor(const DetailMenuState& state) {
  const bool selection = state.selectedCount > 0 && state.rowCount > 0;
  const bool album = !state.folderView;
  DetailMenuOffer offer;
  offer.open = selection;
  offer.renameShown = album;
  offer.rename = album && selection;
  offer.removeShown = album;
  offer.remove = album && selection;
  offer.copy = selection;
  offer.pasteShown = album;
  offer.paste = album && state.clipboardHasFiles;
  offer.selectMissing = state.rowCount > 0;
  offer.explore = selection && !state.firstIsSubAlbum;
  offer.properties = selection;
  return offer;
}

PreviewMenuOffer PreviewMenuOfferFor(const PreviewMenuState& state) {
  const bool file = state.pictureShown && state.fileExists;
  PreviewMenuOffer offer;
  offer.edit = file && state.editorConnected;
  offer.copy = file;
  return offer;
}

}  // namespace lumidex
