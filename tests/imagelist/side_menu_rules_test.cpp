#include "imagelist/side_menu_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

DetailMenuState Rows(int rows, int selected) {
  DetailMenuState state;
  state.rowCount = rows;
  state.selectedCount = selected;
  state.clipboardHasFiles = true;
  return state;
}

TEST(SideMenuRulesTest, TheDetailMenuOffersRowCommandsForASelection) {
  DetailMenuOffer offer = DetailMenuOfferFor(Rows(3, 0));
  EXPECT_FALSE(offer.open || offer.rename || offer.remove || offer.copy || offer.explore ||
               offer.properties);
  EXPECT_TRUE(offer.renameShown && offer.removeShown && offer.pasteShown);
  EXPECT_TRUE(offer.paste);
  EXPECT_TRUE(offer.selectMissing);

  offer = DetailMenuOfferFor(Rows(3, 2));
  EXPECT_TRUE(offer.open && offer.rename && offer.remove && offer.copy && offer.explore &&
              offer.properties);

  // A sub-album has no folder to show.
  DetailMenuState subAlbum = Rows(3, 1);
  subAlbum.firstIsSubAlbum = true;
  offer = DetailMenuOfferFor(subAlbum);
  EXPECT_FALSE(offer.explore);
  EXPECT_TRUE(offer.open && offer.rename && offer.copy);

  DetailMenuState noFiles = Rows(0, 0);
  noFiles.clipboardHasFiles = false;
  offer = DetailMenuOfferFor(noFiles);
  EXPECT_FALSE(offer.paste || offer.selectMissing);
}

TEST(SideMenuRulesTest, AFoldersFilesOfferNoEntryCommands) {
  DetailMenuState folder = Rows(5, 1);
  folder.folderView = true;
  const DetailMenuOffer offer = DetailMenuOfferFor(folder);
  EXPECT_FALSE(offer.renameShown || offer.removeShown || offer.pasteShown);
  EXPECT_FALSE(offer.rename || offer.remove || offer.paste);
  EXPECT_TRUE(offer.copy && offer.explore && offer.open && offer.selectMissing);
}

TEST(SideMenuRulesTest, ThePreviewMenuNeedsAnExistingPicture) {
  PreviewMenuState state;
  state.editorConnected = true;
  EXPECT_EQ(PreviewMenuOfferFor(state), PreviewMenuOffer{});
  state.pictureShown = true;
  EXPECT_EQ(PreviewMenuOfferFor(state), PreviewMenuOffer{});  // the file is missing
  state.fileExists = true;
  PreviewMenuOffer offer = PreviewMenuOfferFor(state);
  EXPECT_TRUE(offer.edit && offer.copy);
  state.editorConnected = false;
  offer = PreviewMenuOfferFor(state);
  EXPECT_FALSE(offer.edit);
  EXPECT_TRUE(offer.copy);
}

}  // namespace
}  // namespace lumidex
