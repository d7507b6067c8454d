#include "mainwindow/main_menu_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

// A state with a modified album, a list with items and something on the
// clipboard, so that each test changes only what its state is about.
MainMenuState Busy(ListShown list) {
  MainMenuState state;
  state.list = list;
  state.albumModified = true;
  state.listHasItems = true;
  state.clipboardHasFilesOrText = true;
  return state;
}

TEST(MainMenuRulesTest, ThePageListOffersNoRevertPrintOrFreeLayoutItems) {
  const MainMenuOffer offer = MainMenuOfferFor(Busy(ListShown::kPageList));
  EXPECT_FALSE(offer.undo.enabled);  // modified, yet no container to revert
  EXPECT_TRUE(offer.undo.visible);
  EXPECT_FALSE(offer.print.visible);
  EXPECT_FALSE(offer.copy.visible);
  EXPECT_FALSE(offer.paste.visible);  // text on the clipboard, but no free layout
  EXPECT_FALSE(offer.refresh.visible);
  EXPECT_FALSE(offer.enlargedSave.visible);
  EXPECT_TRUE(offer.selectAll.enabled);
  EXPECT_TRUE(offer.allAlbums.visible);
  EXPECT_TRUE(offer.find.visible);
}

TEST(MainMenuRulesTest, AnOpenPageOrSubAlbumRevertsOnlyWhenModifiedAndPrintsThePictures) {
  for (ListShown list : {ListShown::kPage, ListShown::kSubAlbum}) {
    MainMenuState state = Busy(list);
    MainMenuOffer offer = MainMenuOfferFor(state);
    EXPECT_TRUE(offer.undo.enabled);
    EXPECT_TRUE(offer.print.visible);
    EXPECT_EQ(offer.printHint, "選択した画像を印刷する");
    state.albumModified = false;
    offer = MainMenuOfferFor(state);
    EXPECT_FALSE(offer.undo.enabled);
  }
}

TEST(MainMenuRulesTest, AFolderListIsNoPage) {
  const MainMenuOffer offer = MainMenuOfferFor(Busy(ListShown::kFolder));
  EXPECT_FALSE(offer.undo.enabled);
  EXPECT_FALSE(offer.print.visible);
  EXPECT_TRUE(offer.invert.enabled);
}

TEST(MainMenuRulesTest, TheFreeLayoutOffersPasteRefreshPrintAndCopyOfASelection) {
  MainMenuState state = Busy(ListShown::kPageList);
  state.freeLayoutShown = true;
  MainMenuOffer offer = MainMenuOfferFor(state);
  EXPECT_TRUE(offer.paste.visible);
  EXPECT_TRUE(offer.refresh.visible);
  EXPECT_TRUE(offer.print.visible);
  EXPECT_EQ(offer.printHint, "");
  EXPECT_FALSE(offer.copy.visible);  // nothing selected yet

  state.freeLayoutItemsSelected = true;
  state.clipboardHasFilesOrText = false;
  offer = MainMenuOfferFor(state);
  EXPECT_TRUE(offer.copy.visible);
  EXPECT_FALSE(offer.paste.visible);
}

TEST(MainMenuRulesTest, AnEmptyListOffersNoSelectionCommands) {
  MainMenuState state = Busy(ListShown::kPage);
  state.listHasItems = false;
  const MainMenuOffer offer = MainMenuOfferFor(state);
  EXPECT_FALSE(offer.selectAll.enabled);
  EXPECT_FALSE(offer.invert.enabled);
}

TEST(MainMenuRulesTest, TheActualSizeViewOffersTheEnlargedPictureSave) {
  MainMenuState state = Busy(ListShown::kPage);
  state.actualSizeView = true;
  EXPECT_TRUE(MainMenuOfferFor(state).enlargedSave.visible);
}

TEST(MainMenuRulesTest, AnOpenAlbumListWindowHidesTheAlbumListAndTheSearch) {
  MainMenuState state = Busy(ListShown::kPageList);
  state.albumListOpen = true;
  const MainMenuOffer offer = MainMenuOfferFor(state);
  EXPECT_FALSE(offer.allAlbums.visible);
  EXPECT_FALSE(offer.find.visible);
}

TEST(MainMenuRulesTest, ThePasswordChangeShowsOnlyWithARegisteredPassword) {
  MainMenuState state = Busy(ListShown::kPageList);
  EXPECT_FALSE(MainMenuOfferFor(state).passwordChange.visible);
  state.passwordRegistered = true;
  EXPECT_TRUE(MainMenuOfferFor(state).passwordChange.visible);
}

TEST(MainMenuRulesTest, SelectionCommandsServeTheFreeLayoutFirstThenTheFocusedList) {
  SelectionFocus focus;
  EXPECT_EQ(SelectionTargetFor(focus), SelectionTarget::kImageList);
  focus.albumListHasFocus = true;
  EXPECT_EQ(SelectionTargetFor(focus), SelectionTarget::kAlbumList);
  focus.albumListHasFocus = false;
  focus.detailListHasFocus = true;
  // A hidden detail list keeps no claim on the command.
  EXPECT_EQ(SelectionTargetFor(focus), SelectionTarget::kImageList);
  focus.detailListShown = true;
  EXPECT_EQ(SelectionTargetFor(focus), SelectionTarget::kDetailList);
  focus.freeLayoutShown = true;
  EXPECT_EQ(SelectionTargetFor(focus), SelectionTarget::kFreeLayout);
}

}  // namespace
}  // namespace lumidex
