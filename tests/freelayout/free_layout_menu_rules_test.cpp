#include "freelayout/free_layout_menu_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

using Kind = ItemMenuState::Kind;

// An item with every flag set, so that a missing check mark comes from the
// rule and not from the item.
ItemMenuState Item(Kind kind, int selected) {
  ItemMenuState state;
  state.kind = kind;
  state.jpeg = true;
  state.selectedCount = selected;
  state.rotated = true;
  state.imgshadow = true;
  state.keepAspect = state.clearBack = state.edgeFix = true;
  return state;
}

TEST(FreeLayoutMenuRulesTest, TheItemMenuFollowsTheItemsKindAndTheSelection) {
  const ItemMenuOffer picture = ItemMenuOfferFor(Item(Kind::kPicture, 1));
  EXPECT_FALSE(picture.editText);
  EXPECT_TRUE(picture.exifTexts);
  EXPECT_TRUE(picture.pictureItems);
  EXPECT_TRUE(picture.edgeFixShown);
  EXPECT_TRUE(picture.keepAspectChecked && picture.clearBackChecked && picture.edgeFixChecked);
  EXPECT_FALSE(picture.several || picture.swap || picture.sameScale);

  const ItemMenuOffer text = ItemMenuOfferFor(Item(Kind::kText, 1));
  EXPECT_TRUE(text.editText);
  EXPECT_FALSE(text.exifTexts || text.pictureItems || text.edgeFixShown);
  EXPECT_FALSE(text.keepAspectChecked || text.clearBackChecked || text.edgeFixChecked);

  // A missing picture is neither a text nor a picture to work on.
  const ItemMenuOffer missing = ItemMenuOfferFor(Item(Kind::kMissingPicture, 1));
  EXPECT_FALSE(missing.editText || missing.exifTexts || missing.pictureItems);

  ItemMenuState png = Item(Kind::kPicture, 1);
  png.jpeg = false;
  EXPECT_FALSE(ItemMenuOfferFor(png).exifTexts);

  // Edge correction: a rotated picture with "imgshadow" on.
  ItemMenuState flat = Item(Kind::kPicture, 1);
  flat.rotated = false;
  EXPECT_FALSE(ItemMenuOfferFor(flat).edgeFixShown);
  ItemMenuState plain = Item(Kind::kPicture, 1);
  plain.imgshadow = false;
  EXPECT_FALSE(ItemMenuOfferFor(plain).edgeFixShown);
  EXPECT_FALSE(ItemMenuOfferFor(plain).edgeFixChecked);
}

TEST(FreeLayoutMenuRulesTest, CommandsOverSeveralItemsCountTheSelection) {
  const ItemMenuOffer two = ItemMenuOfferFor(Item(Kind::kPicture, 2));
  EXPECT_TRUE(two.swap);
  EXPECT_TRUE(two.several);
  EXPECT_TRUE(two.sameScale);
  // Counting stops at three: any larger selection offers what three do.
  for (int count : {3, 4, 50}) {
    const ItemMenuOffer many = ItemMenuOfferFor(Item(Kind::kPicture, count));
    EXPECT_FALSE(many.swap) << count;
    EXPECT_TRUE(many.several) << count;
    EXPECT_EQ(many, ItemMenuOfferFor(Item(Kind::kPicture, 3))) << count;
  }
  // The same scale needs a picture to take the scale from.
  const ItemMenuOffer texts = ItemMenuOfferFor(Item(Kind::kText, 2));
  EXPECT_TRUE(texts.several);
  EXPECT_TRUE(texts.swap);
  EXPECT_FALSE(texts.sameScale);
  EXPECT_FALSE(ItemMenuOfferFor(Item(Kind::kMissingPicture, 3)).sameScale);
}

TEST(FreeLayoutMenuRulesTest, TheCanvasMenuOffersWhatTheTabAndTheClipboardAllow) {
  CanvasMenuState empty;
  CanvasMenuOffer offer = CanvasMenuOfferFor(empty);
  EXPECT_FALSE(offer.bringBack || offer.selection || offer.paste || offer.undo || offer.redo);

  CanvasMenuState busy;
  busy.itemsOutside = true;
  busy.hasItems = true;
  busy.clipboardHasFilesOrText = true;
  busy.canUndo = true;
  offer = CanvasMenuOfferFor(busy);
  EXPECT_TRUE(offer.bringBack && offer.selection && offer.paste && offer.undo);
  EXPECT_FALSE(offer.redo);
}

TEST(FreeLayoutMenuRulesTest, TheTreeMenuDependsOnTheLevelTheWayAndASearchResult) {
  TreeMenuState root;
  root.selectedLevel = 0;
  root.byAlbumName = true;
  root.canvasShown = true;
  TreeMenuOffer offer = TreeMenuOfferFor(root);
  EXPECT_TRUE(offer.newPage);
  EXPECT_FALSE(offer.addTab || offer.renameAlbum);
  EXPECT_TRUE(offer.deleteShown);
  EXPECT_FALSE(offer.deleteEnabled);

  // By date a new page only while the canvas is hidden.
  root.byAlbumName = false;
  EXPECT_FALSE(TreeMenuOfferFor(root).newPage);
  root.canvasShown = false;
  EXPECT_TRUE(TreeMenuOfferFor(root).newPage);

  TreeMenuState page;
  page.selectedLevel = 1;
  offer = TreeMenuOfferFor(page);
  EXPECT_TRUE(offer.addTab && offer.deleteEnabled);
  EXPECT_FALSE(offer.renameAlbum);  // albums are renamed by album name only
  EXPECT_FALSE(offer.newPage);
  page.byAlbumName = true;
  EXPECT_TRUE(TreeMenuOfferFor(page).renameAlbum);

  // A tab title node is below page level.
  TreeMenuState title = page;
  title.selectedLevel = 2;
  offer = TreeMenuOfferFor(title);
  EXPECT_FALSE(offer.addTab || offer.renameAlbum || offer.deleteEnabled);
  EXPECT_TRUE(offer.deleteShown);

  page.searchResult = true;
  EXPECT_EQ(TreeMenuOfferFor(page), TreeMenuOffer{});

  EXPECT_TRUE(TabMenuOffered(0));
  EXPECT_FALSE(TabMenuOffered(-1));
}

}  // namespace
}  // namespace lumidex
