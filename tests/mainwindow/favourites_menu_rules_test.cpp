#include "mainwindow/favourites_menu_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(FavouritesMenuRulesTest, RowCommandsNeedASelectionAndPastingFiles) {
  FavouritesMenuState state;
  state.clipboardHasFiles = true;
  FavouritesMenuOffer offer = FavouritesMenuOfferFor(state);
  EXPECT_FALSE(offer.open || offer.copy || offer.remove || offer.selectAll);
  EXPECT_TRUE(offer.paste);  // an empty list still takes temporary rows

  state.rowCount = 4;
  offer = FavouritesMenuOfferFor(state);
  EXPECT_TRUE(offer.selectAll);
  EXPECT_FALSE(offer.open || offer.copy || offer.remove);

  state.selectedCount = 2;
  state.clipboardHasFiles = false;
  offer = FavouritesMenuOfferFor(state);
  EXPECT_TRUE(offer.open && offer.copy && offer.remove && offer.selectAll);
  EXPECT_FALSE(offer.paste);
}

TEST(FavouritesMenuRulesTest, EntriesAreAddedFromAnOpenContainersSelection) {
  EXPECT_TRUE(FavouriteAdditionOffered(true, 1));
  EXPECT_FALSE(FavouriteAdditionOffered(true, 0));
  EXPECT_FALSE(FavouriteAdditionOffered(false, 3));  // the page list's pages are no entries
}

}  // namespace
}  // namespace lumidex
