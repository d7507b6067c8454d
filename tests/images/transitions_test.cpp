#include "images/transitions.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lumidex {
namespace {

constexpr uint32_t kWindow = 0x00302010;  // 0x00BBGGRR: blue 0x30, green 0x20, red 0x10

Bitmap Plain(int width, int height, uint32_t colour) {
  Bitmap bitmap = Bitmap::Create(width, height);
  bitmap.Fill(colour);
  return bitmap;
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  return a.width() == b.width() && a.height() == b.height() &&
         std::memcmp(a.data(), b.data(), a.stride() * a.height()) == 0;
}

TEST(TransitionsTest, FadeCompoundsWithFlooringShiftAndKeepsAlpha) {
  Bitmap bitmap = Bitmap::Create(2, 1);
  bitmap.SetPixel(0, 0, 0x33C80A10u);  // alpha 0x33, red 200, green 10, blue 16
  bitmap.SetPixel(1, 0, 0xFF000000u);
  Fade(bitmap, kWindow, 128);
  // red 16 + ((200 - 16) * 128 >> 8) = 108; green 32 + ((10 - 32) * 128 >> 8) = 21;
  // blue 48 + ((16 - 48) * 128 >> 8) = 32
  EXPECT_EQ(bitmap.PixelAt(0, 0), 0x336C1520u);
  Fade(bitmap, kWindow, 128);  // on its own result: red 16 + (92 * 128 >> 8) = 62
  EXPECT_EQ(bitmap.PixelAt(0, 0) >> 16 & 0xFF, 62u);
  EXPECT_EQ(bitmap.PixelAt(0, 0) >> 24, 0x33u);
  Fade(bitmap, kWindow, 0);
  EXPECT_EQ(bitmap.PixelAt(1, 0), 0xFF102030u);  // all window colour
}

TEST(TransitionsTest, CrossFadeWeighsTheNewPictureOverThePrevious) {
  const Bitmap previous = Plain(3, 2, 0x00FF8000);
  Bitmap bitmap = Plain(3, 2, 0x000080FF);
  Bitmap copy = bitmap.Clone();
  CrossFade(copy, previous, 0);
  EXPECT_TRUE(SamePixels(copy, previous));
  CrossFade(bitmap, previous, 100);
  // red 0 + (100 * 255 >> 8) = 99, green 128, blue 255 + (100 * -255 >> 8) = 155 (floored)
  EXPECT_EQ(bitmap.PixelAt(2, 1) & 0xFFFFFF, 0x63809Bu);
  // Bitmaps of other sizes mix only where both reach.
  Bitmap wide = Plain(5, 1, 0x00000000);
  CrossFade(wide, previous, 0);
  EXPECT_EQ(wide.PixelAt(2, 0) & 0xFFFFFF, 0x0080FFu);
  EXPECT_EQ(wide.PixelAt(4, 0) & 0xFFFFFF, 0u);
}

TEST(TransitionsTest, SchedulesOfTheEffects) {
  EXPECT_TRUE(TransitionSchedule(TransitionEffect::kNormal, true).empty());
  const auto fade = TransitionSchedule(TransitionEffect::kFade, true);
  ASSERT_EQ(fade.size(), 22u);  // 10 fade-out + 12 fade-in
  EXPECT_EQ(fade[0], (TransitionFrame{FrameKind::kFadeOut, 255, 50, 10, -20}));
  EXPECT_EQ(fade[9], (TransitionFrame{FrameKind::kFadeOut, 120, 50, 10, -20}));
  EXPECT_EQ(fade[10], (TransitionFrame{FrameKind::kFadeIn, 0, 100, 10, -20}));
  EXPECT_EQ(fade[20].weight, 250);
  EXPECT_EQ(fade[21], (TransitionFrame{FrameKind::kFadeIn, 255, 0, 10, -20}));
  EXPECT_EQ(TransitionSchedule(TransitionEffect::kFade, false).size(), 12u);

  const auto first = TransitionSchedule(TransitionEffect::kOverlap1, false);
  ASSERT_EQ(first.size(), 12u);
  EXPECT_EQ(first[0].kind, FrameKind::kFadeIn);
  const auto overlap1 = TransitionSchedule(TransitionEffect::kOverlap1, true);
  ASSERT_EQ(overlap1.size(), 12u);
  EXPECT_EQ(overlap1[1], (TransitionFrame{FrameKind::kCrossFade, 25, 100, 13, -18}));
  const auto overlap2 = TransitionSchedule(TransitionEffect::kOverlap2, true);
  ASSERT_EQ(overlap2.size(), 18u);
  EXPECT_EQ(overlap2[1].weight, 15);
  EXPECT_EQ(overlap2.back(), (TransitionFrame{FrameKind::kCrossFade, 255, 0, 13, -18}));
}

TEST(TransitionsTest, EffectNamesRoundTrip) {
  for (const auto effect : {TransitionEffect::kNormal, TransitionEffect::kFade,
                            TransitionEffect::kOverlap1, TransitionEffect::kOverlap2}) {
    EXPECT_EQ(TransitionEffectNamed(TransitionEffectName(effect)), effect);
  }
  EXPECT_EQ(TransitionEffectName(TransitionEffect::kOverlap2), "Overlap 2");
  EXPECT_FALSE(TransitionEffectNamed("Wipe"));
}

TEST(TransitionsTest, FadeOutCompoundsFromThePreviousFrameThenFadesIn) {
  const Bitmap previous = Plain(4, 3, 0x00C0C0C0);
  const Bitmap next = Plain(4, 3, 0x00FFFFFF);
  Transition transition(TransitionEffect::kFade, next.Clone(), previous.Clone(), kWindow);
  ASSERT_EQ(transition.frameCount(), 22u);
  Bitmap expected = previous.Clone();
  for (int n = 255; n >= 120; n -= 15) {
    EXPECT_EQ(transition.Advance(), 50);
    Fade(expected, kWindow, n);
    ASSERT_TRUE(SamePixels(transition.frame(), expected)) << n;
  }
  EXPECT_EQ(transition.Advance(), 100);  // u = 0: the window colour
  EXPECT_TRUE(SamePixels(transition.frame(), Plain(4, 3, kWindow)));
  while (!transition.finished()) transition.Advance();
  Bitmap last = next.Clone();
  Fade(last, kWindow, 255);
  EXPECT_TRUE(SamePixels(transition.frame(), last));
  EXPECT_TRUE(SamePixels(transition.TakeNext(), next));
}

TEST(TransitionsTest, OverlapStartsFromThePreviousFrame) {
  const Bitmap previous = Plain(4, 3, 0x00000080);
  Transition transition(TransitionEffect::kOverlap2, Plain(4, 3, 0x00FF0000), previous.Clone(),
                        kWindow);
  transition.Advance();
  EXPECT_TRUE(SamePixels(transition.frame(), previous));
  EXPECT_EQ(transition.shown().headerDx, 13);
}

TEST(TransitionsTest, StoppingMidwayDrawsTheNewPictureFully) {
  const Bitmap next = Plain(5, 4, 0x00123456);
  Transition transition(TransitionEffect::kOverlap1, next.Clone(), Plain(5, 4, 0), kWindow);
  transition.Advance();
  transition.Advance();
  ASSERT_FALSE(transition.finished());
  transition.Finish();
  EXPECT_TRUE(transition.finished());
  EXPECT_TRUE(SamePixels(transition.frame(), next));
  EXPECT_EQ(transition.shown().weight, 255);
}

TEST(TransitionsTest, PreviousFrameOfAnotherSizeIsNotUsed) {
  // The window was resized since the last slide: start from the window colour.
  for (const auto effect : {TransitionEffect::kFade, TransitionEffect::kOverlap1}) {
    Transition transition(effect, Plain(6, 4, 0x00FFFFFF), Plain(8, 8, 0x00000000), kWindow);
    EXPECT_EQ(transition.frameCount(), 12u);
    transition.Advance();
    EXPECT_TRUE(SamePixels(transition.frame(), Plain(6, 4, kWindow)));
  }
  // Rendering a schedule's frame directly with a mismatched previous frame
  // never reads it.
  const auto frames = TransitionSchedule(TransitionEffect::kOverlap1, true);
  const Bitmap small = Plain(2, 2, 0);
  Bitmap work;
  RenderTransitionFrame(frames, 0, &small, Plain(6, 4, 0x00FFFFFF), kWindow, work);
  EXPECT_TRUE(SamePixels(work, Plain(6, 4, kWindow)));
}

}  // namespace
}  // namespace lumidex
