#include <gtest/gtest.h>

#include "images/bitmap.h"
#include "images/composite.h"
#include "images/fit_to_box.h"
#include "images/scaling.h"

namespace lumidex {
namespace {

TEST(FitToBoxTest, SmallPictureKeepsItsSizeCentred) {
  EXPECT_EQ(FitToBox(170, 128, false, 1, 1), (FittedBox{1, 1, 85, 64}));
}

TEST(FitToBoxTest, LandscapeFollowsTheWidth) {
  EXPECT_EQ(FitToBox(170, 128, false, 4000, 3000), (FittedBox{169, 127, 0, 0}));
  EXPECT_EQ(FitToBox(170, 128, false, 640, 480), (FittedBox{170, 127, 0, 0}));
}

TEST(FitToBoxTest, PortraitFollowsTheHeight) {
  EXPECT_EQ(FitToBox(170, 128, false, 3000, 4000), (FittedBox{95, 127, 37, 0}));
}

TEST(FitToBoxTest, MatchingRatioFillsTheBox) {
  EXPECT_EQ(FitToBox(170, 128, false, 340, 256), (FittedBox{170, 128, 0, 0}));
}

TEST(FitToBoxTest, SquareIsCutByTheSameNumberOfPixelsOnBothSides) {
  EXPECT_EQ(FitToBox(170, 128, false, 1000, 1000), (FittedBox{128, 128, 21, 0}));
}

TEST(FitToBoxTest, ThinStripNeverGetsAZeroSide) {
  const FittedBox box = FitToBox(170, 128, false, 4000, 20);
  EXPECT_EQ(box.width, 169);
  EXPECT_EQ(box.height, 1);
  EXPECT_GE(FitToBox(170, 128, false, 20, 100000).width, 1);
}

TEST(FitToBoxTest, EnlargeGrowsSmallPictures) {
  EXPECT_EQ(FitToBox(170, 128, true, 17, 10), (FittedBox{170, 100, 0, 14}));
}

TEST(FitToBoxTest, SidesBelowOneCountAsOne) {
  EXPECT_EQ(FitToBox(170, 128, false, 0, -5), (FittedBox{1, 1, 85, 64}));
}

Bitmap OnePixel(uint8_t b, uint8_t g, uint8_t r, uint8_t a) {
  Bitmap bitmap = Bitmap::Create(1, 1);
  bitmap.SetPixel(0, 0, uint32_t{a} << 24 | uint32_t{r} << 16 | uint32_t{g} << 8 | b);
  bitmap.setHasAlpha(true);
  return bitmap;
}

TEST(CompositeOverColourTest, TransparentPixelTakesTheColourChannelByChannel) {
  Bitmap bitmap = OnePixel(0, 0, 0, 0);
  CompositeOverColour(bitmap, 0x0000FF);  // pure red as 0x00BBGGRR
  EXPECT_EQ(bitmap.PixelAt(0, 0) & 0xFFFFFF, 0xFF0000u);  // red in the red byte, not in blue
  EXPECT_FALSE(bitmap.hasAlpha());
}

TEST(CompositeOverColourTest, OpaquePixelMovesAtMostOneStep) {
  Bitmap bitmap = OnePixel(10, 20, 30, 255);
  CompositeOverColour(bitmap, 0xFFFFFF);
  EXPECT_EQ(bitmap.PixelAt(0, 0) & 0xFFFFFF, 0x1E140Au);  // 30,20,10 kept
  Bitmap dark = OnePixel(200, 200, 200, 255);
  CompositeOverColour(dark, 0x000000);
  EXPECT_EQ(dark.PixelAt(0, 0) & 0xFF, 199u);
}

TEST(CompositeOverColourTest, HalfAlphaMixesEachChannelWithItsOwn) {
  Bitmap bitmap = OnePixel(0, 0, 0, 128);
  CompositeOverColour(bitmap, 0x0040C0);  // red C0, green 40, blue 00
  const uint32_t p = bitmap.PixelAt(0, 0);
  EXPECT_EQ((p >> 16) & 0xFF, 0x60u);  // red 0xC0 + (0 - 0xC0) * 128 / 256
  EXPECT_EQ((p >> 8) & 0xFF, 0x20u);
  EXPECT_EQ(p & 0xFF, 0x00u);
  EXPECT_EQ(p >> 24, 128u);  // alpha stays
}

TEST(CompositeOverColourTest, BitmapWithoutAlphaIsUntouched) {
  Bitmap bitmap = OnePixel(1, 2, 3, 0);
  bitmap.setHasAlpha(false);
  CompositeOverColour(bitmap, 0xFFFFFF);
  EXPECT_EQ(bitmap.PixelAt(0, 0), 0x00030201u);
}

TEST(ScalingTest, NearestTakesThePixelUnderTheCentre) {
  Bitmap source = Bitmap::Create(4, 1);
  for (int x = 0; x < 4; ++x) source.SetPixel(x, 0, 0xFF000000u | static_cast<uint32_t>(x * 50));
  Bitmap half = ScaleNearest(source, 2, 1);
  EXPECT_EQ(half.PixelAt(0, 0) & 0xFF, 50u);
  EXPECT_EQ(half.PixelAt(1, 0) & 0xFF, 150u);
}

TEST(ScalingTest, AreaAverageIsTheMeanOfTheCoveredPixels) {
  Bitmap source = Bitmap::Create(4, 2);
  const uint32_t values[4] = {0, 100, 200, 40};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) source.SetPixel(x, y, 0xFF000000u | values[x]);
  }
  Bitmap half = ScaleAreaAverage(source, 2, 1);
  EXPECT_EQ(half.PixelAt(0, 0) & 0xFF, 50u);
  EXPECT_EQ(half.PixelAt(1, 0) & 0xFF, 120u);
  Bitmap third = ScaleAreaAverage(source, 3, 1);  // fractional coverage
  // The first of three covers pixel 0 wholly and a third of pixel 1:
  // (0 * 1 + 100 / 3) / (4 / 3) = 25.
  EXPECT_EQ(third.PixelAt(0, 0) & 0xFF, 25u);
}

TEST(ScalingTest, AreaAverageKeepsAFlatColourExact) {
  Bitmap source = Bitmap::Create(997, 13);
  source.Fill(0x123456);
  Bitmap small = ScaleAreaAverage(source, 170, 3);
  for (int x = 0; x < 170; ++x) ASSERT_EQ(small.PixelAt(x, 1), 0xFF563412u) << x;
}

TEST(BitmapTest, HugeSizesAreRefused) {
  EXPECT_TRUE(Bitmap::Create(100000, 100000).empty());
  EXPECT_TRUE(Bitmap::Create(0, 5).empty());
  EXPECT_FALSE(Bitmap::Create(4000, 3000).empty());
}

}  // namespace
}  // namespace lumidex
