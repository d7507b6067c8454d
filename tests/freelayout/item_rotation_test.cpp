#include "freelayout/item_rotation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "freelayout/free_picture.h"

namespace lumidex {
namespace {

// Every pixel a different colour, so any misplaced sample shows.
Bitmap Pattern(int width, int height) {
  Bitmap bitmap = Bitmap::Create(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      bitmap.SetPixel(x, y, 0xFF000000u | ((x * 37 + y * 11) & 0xFF) << 16 |
                                ((x * 5 + y * 53) & 0xFF) << 8 | ((x * y + 7) & 0xFF));
    }
  }
  return bitmap;
}

// The turn written out pixel by pixel in y-up coordinates, with floor
// division in place of the shifts and the wrap rule spelled out.
Bitmap NaiveTurn(const Bitmap& source, int rotation, int grey) {
  const double angle = 2 * rotation * 3.14 / 180;
  const int sw = source.width();
  const int sh = source.height();
  const int nw = static_cast<int>(std::fabs(sw * std::cos(angle)) + std::fabs(sh * std::sin(angle)) + 0.5);
  const int nh = static_cast<int>(std::fabs(sw * std::sin(angle)) + std::fabs(sh * std::cos(angle)) + 0.5);
  const long long c = static_cast<long long>(65536 * std::cos(angle));
  const long long s = static_cast<long long>(65536 * std::sin(angle));
  const auto floorDiv = [](long long v, long long d) {
    return static_cast<long long>(std::floor(static_cast<double>(v) / static_cast<double>(d)));
  };
  const auto up = [&](int x, int yUp) { return source.PixelAt(x, sh - 1 - yUp); };
  Bitmap target = Bitmap::Create(nw, nh);
  for (int yUp = 0; yUp < nh; ++yUp) {
    for (int x = 0; x < nw; ++x) {
      const long long p = (yUp - nh / 2) * c + (x - nw / 2) * s;
      const long long q = (x - nw / 2) * c - (yUp - nh / 2) * s;
      const long long sy = floorDiv(p, 65536) + sh / 2;
      const long long sx = floorDiv(q, 65536) + sw / 2;
      uint32_t out = 0xFF000000u | grey << 16 | grey << 8 | grey;
      if (sx >= 0 && sx < sw && sy >= 0 && sy < sh) {
        const long long fy = floorDiv(p, 256) % 256 < 0 ? floorDiv(p, 256) % 256 + 256 : floorDiv(p, 256) % 256;
        const long long fx = floorDiv(q, 256) % 256 < 0 ? floorDiv(q, 256) % 256 + 256 : floorDiv(q, 256) % 256;
        const long long weights[4] = {(255 - fy) * (255 - fx) / 255, fx * (255 - fy) / 255,
                                      fy * (255 - fx) / 255, fy * fx / 255};
        const int x1 = static_cast<int>((sx + 1) % sw);
        const int y1 = static_cast<int>((sy + 1) % sh);
        const uint32_t pixels[4] = {up(static_cast<int>(sx), static_cast<int>(sy)),
                                    up(x1, static_cast<int>(sy)), up(static_cast<int>(sx), y1),
                                    up(x1, y1)};
        int channels[3];
        for (int k = 0; k < 3; ++k) {
          long long sum = 0;
          for (int n = 0; n < 4; ++n) sum += weights[n] * ((pixels[n] >> (8 * k)) & 0xFF);
          channels[k] = static_cast<int>(sum / 255);
        }
        if (channels[0] == grey && channels[1] == grey && channels[2] == grey) {
          channels[0] = channels[1] = channels[2] = grey - 1;
        }
        out = 0xFF000000u | channels[2] << 16 | channels[1] << 8 | channels[0];
      }
      target.SetPixel(x, nh - 1 - yUp, out);
    }
  }
  return target;
}

// Red with a little loss: the truncated bilinear weights darken a sample by
// up to a few steps.
bool Reddish(uint32_t argb) {
  return ((argb >> 16) & 0xFF) > 240 && ((argb >> 8) & 0xFF) < 16 && (argb & 0xFF) < 16;
}

void ExpectSame(const Bitmap& actual, const Bitmap& expected) {
  ASSERT_EQ(actual.width(), expected.width());
  ASSERT_EQ(actual.height(), expected.height());
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      ASSERT_EQ(actual.PixelAt(x, y), expected.PixelAt(x, y)) << "at " << x << ", " << y;
    }
  }
}

TEST(ItemRotationTest, TurnsAsThePixelByPixelReferenceDoes) {
  struct Case {
    int width, height, rotation;
  };
  for (const Case& c : {Case{200, 100, 45}, Case{37, 23, 10}, Case{64, 64, 135}, Case{15, 40, 7},
                        Case{9, 31, 90}, Case{50, 20, 1}}) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " step " << c.rotation);
    const Bitmap picture = Pattern(c.width, c.height);
    PictureRotation rotation;
    rotation.rotation = c.rotation;
    ExpectSame(RotateItemPicture(picture, c.width, c.height, rotation),
               NaiveTurn(picture, c.rotation, 240));
  }
}

TEST(ItemRotationTest, PositiveStepsTurnClockwiseOnScreen) {
  // A red top-left corner on white.
  Bitmap picture = Bitmap::Create(200, 100);
  picture.Fill(kWhite);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) picture.SetPixel(x, y, 0xFFFF0000u);
  }
  PictureRotation quarter;
  quarter.rotation = 45;
  const RotatedSize size = RotatedPictureSize(200, 100, 45);
  EXPECT_NEAR(size.width, 100, 1);
  EXPECT_NEAR(size.height, 200, 1);
  const Bitmap turned = RotateItemPicture(picture, 200, 100, quarter);
  ASSERT_EQ(turned.width(), size.width);
  // A quarter turn clockwise takes the top-left corner to the top right.
  EXPECT_TRUE(Reddish(turned.PixelAt(turned.width() - 10, 10)));
  EXPECT_FALSE(Reddish(turned.PixelAt(10, 10)));
  // Step 135 is three quarters clockwise, one counter-clockwise: bottom left.
  quarter.rotation = 135;
  const Bitmap back = RotateItemPicture(picture, 200, 100, quarter);
  EXPECT_TRUE(Reddish(back.PixelAt(10, back.height() - 10)));
  EXPECT_FALSE(Reddish(back.PixelAt(back.width() - 10, 10)));
}

TEST(ItemRotationTest, OnlyAPixelGreyInEveryChannelIsMovedOffTheBackground) {
  // (240, 255, 241) ANDed bytewise is 240, yet it is no grey.
  for (const uint32_t colour : {0xFFF0F0F0u, 0xFFF0FFF1u}) {
    Bitmap picture = Bitmap::Create(40, 30);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) picture.SetPixel(x, y, colour);
    }
    PictureRotation rotation;
    rotation.rotation = 20;
    const Bitmap turned = RotateItemPicture(picture, 40, 30, rotation);
    const uint32_t centre = turned.PixelAt(turned.width() / 2, turned.height() / 2) & 0xFFFFFF;
    EXPECT_EQ(centre, colour == 0xFFF0F0F0u ? 0xEFEFEFu : (colour & 0xFFFFFF));
    EXPECT_EQ(turned.PixelAt(0, 0) & 0xFFFFFF, 0xF0F0F0u);  // a corner outside the picture
  }
  // While printing the background is white, and white pictures move off it.
  Bitmap white = Bitmap::Create(40, 30);
  white.Fill(kWhite);
  PictureRotation printing;
  printing.rotation = 20;
  printing.printing = true;
  const Bitmap turned = RotateItemPicture(white, 40, 30, printing);
  EXPECT_EQ(turned.PixelAt(0, 0) & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(turned.PixelAt(turned.width() / 2, turned.height() / 2) & 0xFFFFFF, 0xFEFEFEu);
}

TEST(ItemRotationTest, TheBevelIsTurnedWithThePictureAndTheEdgeFixInsetsIt) {
  Bitmap picture = Bitmap::Create(60, 40);
  picture.Fill(0x0000FF);  // red
  PictureRotation rotation;
  rotation.rotation = 90;  // half a turn (with 3.14: very nearly)
  rotation.bevel = true;
  rotation.pageColour = 0x00FF00;
  Bitmap bevelled = picture.Clone();
  DrawBevel(bevelled, true, rotation.pageColour);
  ExpectSame(RotateItemPicture(picture, 60, 40, rotation), NaiveTurn(bevelled, 90, 240));

  // Step 0 samples every pixel in place, which shows the working picture:
  // with the edge fix the bevelled picture lies one pixel inside the page
  // colour.
  rotation.rotation = 0;
  rotation.edgeFix = true;
  const Bitmap inPlace = RotateItemPicture(picture, 60, 40, rotation);
  ASSERT_EQ(inPlace.width(), 60);
  EXPECT_EQ(inPlace.PixelAt(0, 20) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(inPlace.PixelAt(1, 20) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(inPlace.PixelAt(30, 20) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(inPlace.PixelAt(58, 20) & 0xFFFFFF, 0x808080u);
  EXPECT_EQ(inPlace.PixelAt(59, 20) & 0xFFFFFF, 0x00FF00u);
}

}  // namespace
}  // namespace lumidex
