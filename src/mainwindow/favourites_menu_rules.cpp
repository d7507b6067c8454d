#include "mainwindow/favourites_menu_rules.h"

namespace lumidex {

FavouritesMenuOffer FavouritesMenuOfferFor(const FavouritesMenuState& state) {
  const bool selection = state.rowCount > 0 && state.selectedCount > 0;
  FavouritesMenuOffer offer;
  offer.open = selection;
  offer.copy = selection;
  offer.paste = state.clipboardHasFiles;
  offer.selectAll = state.rowCount > 0;
  offer.remove = selection;
  return offer;
}

bool FavouriteAdditionOffered(bool containerOpen, int selectedCount) {
  return containerOpen && selectedCount > 0;
}

}  // namespace lumidex
