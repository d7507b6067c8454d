#include "images/actual_size.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "images/actual_copy.h"
#include "images/block_blur.h"
#include "images/jpeg_codec.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(ActualSizeTest, ZoomStepsStayOnTheNineFactorsAndSizeTheMagnifiedCopy) {
  int step = 0;
  for (int i = 0; i < 8; ++i) step = NextZoomStep(step, true);
  EXPECT_EQ(step, kMaxZoomStep);
  EXPECT_EQ(NextZoomStep(step, true), kMaxZoomStep);
  for (int i = 0; i < 8; ++i) step = NextZoomStep(step, false);
  EXPECT_EQ(step, 0);
  EXPECT_EQ(NextZoomStep(step, false), 0);

  // Factor 1.5: a' = 100, px = 200.
  EXPECT_EQ(ZoomMargin(400, 5), 100);
  EXPECT_EQ(ZoomedSize({400, 300}, 5).width, 800);
  EXPECT_EQ(ZoomedSize({400, 300}, 0), (PixelSize{400, 300}));
  // The tiniest copies keep a visible span at the highest zoom.
  for (int side = 1; side <= 12; ++side) {
    const PixelSize zoomed = ZoomedSize({side, side}, kMaxZoomStep);
    EXPECT_GE(zoomed.width, side);
    EXPECT_LE(zoomed.width, side * 5);
  }
  EXPECT_EQ(LayoutZoomed({400, 300}, 5, {700, 900}), (PixelSize{700, 600}));
}

TEST(ActualSizeTest, VisiblePartStaysInsideTheCopyAndDrawingNeverReadsBeyondIt) {
  const PixelSize copy{1000, 800};
  const ZoomView zoom{{400, 300}, 4, {}};  // a = 80, b = 60
  EXPECT_EQ(VisibleSource({{400, 300}, 4, {10, 20}}), (PixelRect{90, 80, 240, 180}));
  const Pan far = ClampPan({5000, 5000}, zoom, copy);
  const PixelRect farSource = VisibleSource({zoom.view, zoom.step, far});
  EXPECT_EQ(farSource.x + farSource.width, copy.width);
  EXPECT_EQ(farSource.y + farSource.height, copy.height);
  const PixelRect nearSource = VisibleSource({zoom.view, zoom.step, ClampPan({-999, -999}, zoom, copy)});
  EXPECT_EQ(nearSource.x, 0);
  EXPECT_EQ(nearSource.y, 0);

  // A copy smaller than the view: the parts beside it are background.
  Bitmap small = Bitmap::Create(4, 2);
  small.Fill(0x0000FF);  // red
  Bitmap view = Bitmap::Create(20, 10);
  const ZoomView whole{{20, 10}, 0, PanAfterZoom({{20, 10}, 0, {}}, {4, 2}, {20, 10})};
  DrawZoomed(small, whole, kWhite, view);
  EXPECT_EQ(view.PixelAt(0, 0), 0xFFFF0000u);
  EXPECT_EQ(view.PixelAt(19, 9), 0xFFFFFFFFu);
  EXPECT_FALSE(NeedsScrolling(whole, {4, 2}, {20, 10}));
  EXPECT_TRUE(NeedsScrolling(zoom, copy, {400, 300}));
}

TEST(ActualSizeTest, NavigatorOutlinesTheVisiblePartAndJumpsToAPoint) {
  const PixelSize copy{3000, 2000};
  const PixelSize nav = NavigatorSize(copy);
  EXPECT_NEAR(nav.width, 150, 1);  // the fit truncates in fixed point
  EXPECT_NEAR(nav.height, 100, 1);
  // At zoom 1.0 the outline is the view scaled down by nav / copy.
  const ZoomView zoom{{600, 400}, 0, {300, 200}};
  const PixelRect outline = NavigatorOutline(zoom, copy, nav);
  EXPECT_EQ(outline.x, 300 * nav.width / copy.width);
  EXPECT_EQ(outline.y, 200 * nav.height / copy.height);
  EXPECT_EQ(outline.width, 600 * nav.width / copy.width);
  EXPECT_EQ(outline.height, 400 * nav.height / copy.height);

  const std::optional<Pan> jump = NavigatorJump(50, 40, zoom, copy, nav);
  ASSERT_TRUE(jump.has_value());
  EXPECT_EQ(*jump, (Pan{50 * (copy.width / nav.width), 40 * (copy.height / nav.height)}));
  EXPECT_EQ(NavigatorJump(nav.width + 1, 0, zoom, copy, nav), std::nullopt);
  // A jump to the far corner keeps the view inside the copy.
  const std::optional<Pan> corner = NavigatorJump(nav.width, nav.height, zoom, copy, nav);
  ASSERT_TRUE(corner.has_value());
  EXPECT_EQ(*corner, (Pan{copy.width - 600, copy.height - 400}));

  // A long strip has a navigator one pixel high; jumping on it divides by 1.
  const PixelSize strip{10000, 60};
  const PixelSize stripNav = NavigatorSize(strip);
  EXPECT_EQ(stripNav.height, 1);
  const ZoomView stripZoom{{600, 60}, 0, {}};
  const std::optional<Pan> stripJump = NavigatorJump(75, 1, stripZoom, strip, stripNav);
  ASSERT_TRUE(stripJump.has_value());
  EXPECT_EQ(stripJump->y, 0);
  EXPECT_LE(NavigatorOutline(stripZoom, strip, stripNav).height, 1);
}

TEST(ActualSizeTest, ADamagedJpegGivesItsDecodedRowsAtFullSizeAndATooLargeSaveFails) {
  // Green with noise, so the entropy data outweigh the headers.
  Bitmap picture = Bitmap::Create(64, 64);
  uint32_t seed = 7;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      seed = seed * 1103515245u + 12345u;
      picture.SetPixel(x, y, 0xFF00E000u | ((seed >> 16) & 0x1F1F));
    }
  }
  const std::string bytes = EncodeJpeg(picture).value();
  testing::TempHome home;
  const std::string path = home.Join("cut.jpg");
  testing::WriteFile(path, bytes.substr(0, bytes.size() * 6 / 10));
  Result<Bitmap> copy = LoadActualCopy(path, kWhite);
  ASSERT_TRUE(copy.ok()) << copy.status().message();
  EXPECT_EQ(copy.value().width(), 64);
  EXPECT_EQ(copy.value().height(), 64);
  EXPECT_GT((copy.value().PixelAt(1, 1) >> 8) & 0xFF, 200u);   // the first rows are green
  EXPECT_LT((copy.value().PixelAt(1, 63) >> 8) & 0xFF, 200u);  // the rows never reached are not

  // "フルサイズ" of a copy whose enlargement passes the bitmap limit.
  Bitmap wide = Bitmap::Create(12000, 8000);
  ASSERT_FALSE(wide.empty());
  Result<Bitmap> enlarged = FullSizeEnlarged(wide, kMaxZoomStep);
  ASSERT_FALSE(enlarged.ok());
  EXPECT_EQ(enlarged.status().message(), "保存に失敗しました。");
}

// The in-place rule read literally: every pixel averages the bitmap as it
// stands at that moment.
void NaiveInPlaceBlur(Bitmap& bitmap, int level) {
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      for (int c = 0; c < 3; ++c) {
        int sum = 0, count = 0;
        for (int v = std::max(0, y - level); v <= std::min(bitmap.height() - 1, y + level); ++v) {
          for (int u = std::max(0, x - level); u <= std::min(bitmap.width() - 1, x + level); ++u) {
            sum += bitmap.row(v)[u * 4 + c];
            ++count;
          }
        }
        bitmap.row(y)[x * 4 + c] = static_cast<uint8_t>(sum / count);
      }
    }
  }
}

TEST(BlockBlurTest, GivesTheBytesOfTheNaiveInPlaceBlurAtEveryLevel) {
  for (const PixelSize size : {PixelSize{37, 23}, PixelSize{3, 50}, PixelSize{1, 1}}) {
    Bitmap source = Bitmap::Create(size.width, size.height);
    uint32_t seed = 12345;
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        seed = seed * 1103515245u + 12345u;
        source.SetPixel(x, y, 0xFF000000u | (seed >> 8));
      }
    }
    for (int level = kMinBlurLevel; level <= kMaxBlurLevel; ++level) {
      Bitmap fast = source.Clone();
      Bitmap naive = source.Clone();
      Blur(fast, level);
      NaiveInPlaceBlur(naive, level);
      ASSERT_TRUE(std::equal(fast.data(), fast.data() + fast.stride() * fast.height(), naive.data()))
          << size.width << "x" << size.height << " level " << level;
    }
  }
}

}  // namespace
}  // namespace lumidex
