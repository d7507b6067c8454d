#include "imagelist/preview_card.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(PreviewCardTest, CardIsSixtyPixelsLowerThanTheAreaAndAThirdWiderThanHigh) {
  const PreviewCardLayout layout = LayoutPreviewCard(900, 560);
  ASSERT_FALSE(layout.empty);
  EXPECT_EQ(layout.card.height, 500);
  EXPECT_EQ(layout.card.width, 500 + 500 / 3);
  // Centred in the area.
  EXPECT_EQ(layout.card.x, (900 - layout.card.width) / 2);
  EXPECT_EQ(layout.card.y, 30);
}

TEST(PreviewCardTest, ShadowLinesRunBelowAndRightOfTheCardThreeEach) {
  const PreviewCardLayout layout = LayoutPreviewCard(900, 560);
  const ItemRect& c = layout.card;
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(layout.shadows[k], (ItemRect{c.x + 3, c.bottom() + k, c.width, 1})) << k;
    EXPECT_EQ(layout.shadows[3 + k], (ItemRect{c.right() + k, c.y + 3, 1, c.height})) << k;
  }
  // The shadows start just outside the face and never cover it.
  EXPECT_EQ(layout.shadows[0].y, c.y + c.height);
  EXPECT_EQ(layout.shadows[3].x, c.x + c.width);
}

TEST(PreviewCardTest, EdgesAndPictureBoxLieOnTheCard) {
  const PreviewCardLayout layout = LayoutPreviewCard(640, 400);
  const ItemRect& c = layout.card;
  EXPECT_EQ(layout.leftEdge, (ItemRect{c.x, c.y, 1, c.height - 1}));
  EXPECT_EQ(layout.topEdge, (ItemRect{c.x, c.y, c.width - 1, 1}));
  EXPECT_EQ(layout.pictureBox, (ItemRect{c.x + 6, c.y + 6, c.width - 12, c.height - 12}));
  EXPECT_EQ(layout.closeMark.x, 640 - 18);
  EXPECT_EQ(layout.closeMark.y, 1);
}

TEST(PreviewCardTest, NarrowAreaShrinksTheCardToFitInsteadOfCuttingItOff) {
  const PreviewCardLayout layout = LayoutPreviewCard(300, 560);
  ASSERT_FALSE(layout.empty);
  EXPECT_LE(layout.card.right(), 300);
  EXPECT_GE(layout.card.x, 0);
  EXPECT_LE(layout.card.bottom(), 560);
  // Still a third wider than high, give or take the rounding.
  EXPECT_NEAR(layout.card.width * 3, layout.card.height * 4, 4);
}

TEST(PreviewCardTest, AreaTooLowForAPictureGivesNoCard) {
  EXPECT_TRUE(LayoutPreviewCard(800, 72).empty);
  EXPECT_TRUE(LayoutPreviewCard(800, 0).empty);
  EXPECT_TRUE(LayoutPreviewCard(0, 500).empty);
  EXPECT_FALSE(LayoutPreviewCard(800, 73).empty);
  EXPECT_GE(LayoutPreviewCard(800, 73).pictureBox.height, 1);
}

TEST(PreviewCardTest, SmallPictureKeepsItsSizeCentredUnlessStretched) {
  const PreviewCardLayout layout = LayoutPreviewCard(900, 560);
  const ItemRect& box = layout.pictureBox;
  const ItemRect kept = PreviewPictureRect(layout, 100, 50, false, false);
  EXPECT_EQ(kept.width, 100);
  EXPECT_EQ(kept.height, 50);
  EXPECT_EQ(kept.x, box.x + (box.width - 100) / 2);
  EXPECT_EQ(kept.y, box.y + (box.height - 50) / 2);

  const ItemRect stretched = PreviewPictureRect(layout, 100, 50, true, false);
  EXPECT_NEAR(stretched.width, box.width, 1);  // 16.16 fixed point
  EXPECT_GT(stretched.height, 50);
  EXPECT_NEAR(stretched.x, box.x, 1);
}

TEST(PreviewCardTest, LargePictureIsShrunkIntoTheBoxEvenWithoutStretch) {
  const PreviewCardLayout layout = LayoutPreviewCard(900, 560);
  const ItemRect r = PreviewPictureRect(layout, 4000, 3000, false, false);
  EXPECT_LE(r.width, layout.pictureBox.width);
  EXPECT_LE(r.height, layout.pictureBox.height);
  EXPECT_GE(r.x, layout.pictureBox.x);
  EXPECT_GE(r.y, layout.pictureBox.y);
}

TEST(PreviewCardTest, IconGoesOnePixelLower) {
  const PreviewCardLayout layout = LayoutPreviewCard(900, 560);
  const ItemRect picture = PreviewPictureRect(layout, 32, 32, false, false);
  const ItemRect icon = PreviewPictureRect(layout, 32, 32, false, true);
  EXPECT_EQ(icon.x, picture.x);
  EXPECT_EQ(icon.y, picture.y + 1);
}

TEST(PreviewCardTest, ClickShowsTheCardOnlyForOneExistingNonMusicFileWithEnlargeChecked) {
  PreviewClickFacts facts;
  facts.enlargeChecked = true;
  facts.selectedCount = 1;
  facts.fileExists = true;
  facts.extension = ".jpg";
  EXPECT_TRUE(ShowsPreviewOnClick(facts));

  PreviewClickFacts off = facts;
  off.enlargeChecked = false;
  EXPECT_FALSE(ShowsPreviewOnClick(off));
  PreviewClickFacts two = facts;
  two.selectedCount = 2;
  EXPECT_FALSE(ShowsPreviewOnClick(two));
  PreviewClickFacts missing = facts;
  missing.fileExists = false;
  EXPECT_FALSE(ShowsPreviewOnClick(missing));
  PreviewClickFacts music = facts;
  music.extension = ".mp3";
  EXPECT_FALSE(ShowsPreviewOnClick(music));
  PreviewClickFacts viewShown = facts;
  viewShown.pictureViewVisible = true;
  EXPECT_FALSE(ShowsPreviewOnClick(viewShown));
  PreviewClickFacts document = facts;
  document.extension = ".pdf";
  EXPECT_TRUE(ShowsPreviewOnClick(document));
}

}  // namespace
}  // namespace lumidex
