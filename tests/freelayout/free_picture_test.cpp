#include "freelayout/free_picture.h"

#include <gtest/gtest.h>

#include "freelayout/item_rotation.h"
#include "picture_fixtures.h"

namespace lumidex {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr uint32_t kRedArgb = 0xFFFF0000u;
constexpr uint32_t kWhiteArgb = 0xFFFFFFFFu;
constexpr Colour kPage = 0x00E0F0;

class FreePictureTest : public ::testing::Test {
 protected:
  FreePictureTest() {
    reader_.Add("/p/red.jpg", 800, 600, kRed);
    look_.pageColour = kPage;
  }
  PictureItemBitmap Draw(const std::string& path, ItemPixelSize size, bool keepAspect = false) {
    FreeLayoutItem item;
    item.value = path;
    item.keepAspect = keepAspect;
    return DrawPictureItem(item, size, {size.width - 1, size.height - 1}, true, look_, reader_);
  }

  testing::FakePictureReader reader_;
  FreePictureLook look_;
};

TEST_F(FreePictureTest, KeepAspectFollowsTheSideTheUserDidNotChange) {
  // The width dragged from 100 to 150 pixels, of a 400 x 300 picture.
  EXPECT_EQ(FitPictureAspect({150, 75}, {100, 75}, {400, 300}), (ItemPixelSize{150, 112}));
  // Only the height changed: the width follows it.
  EXPECT_EQ(FitPictureAspect({100, 160}, {100, 133}, {300, 400}), (ItemPixelSize{120, 160}));
  // Both changed (a first draw): the height follows.
  EXPECT_EQ(FitPictureAspect({90, 90}, {89, 89}, {300, 400}), (ItemPixelSize{90, 120}));
  EXPECT_EQ(FitPictureAspect({90, 90}, {89, 89}, {0, 0}), (ItemPixelSize{90, 90}));
  // Drawn: the item takes the fitted size, decoded only as wide as its area.
  const PictureItemBitmap drawn = Draw("/p/red.jpg", {150, 75}, true);
  EXPECT_EQ(drawn.bitmap.width(), 150);
  EXPECT_EQ(drawn.bitmap.height(), 112);
  EXPECT_EQ(reader_.lastBox("/p/red.jpg"), (ItemPixelSize{140, 1}));
}

TEST_F(FreePictureTest, BorderAndBevelGeometry) {
  look_.imgshadow = true;
  const PictureItemBitmap bevelled = Draw("/p/red.jpg", {100, 80});
  const Bitmap& b = bevelled.bitmap;
  EXPECT_EQ(reader_.lastBox("/p/red.jpg"), (ItemPixelSize{89, 69}));
  EXPECT_EQ(b.PixelAt(5, 5), kRedArgb);
  EXPECT_EQ(b.PixelAt(93, 73), kRedArgb);
  EXPECT_EQ(b.PixelAt(94, 73), kWhiteArgb);
  EXPECT_EQ(b.PixelAt(93, 74), kWhiteArgb);
  EXPECT_EQ(b.PixelAt(4, 5), kWhiteArgb);
  EXPECT_EQ(b.PixelAt(0, 40) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(b.PixelAt(0, 0) & 0xFFFFFF, 0xC0C0C0u);
  EXPECT_EQ(b.PixelAt(99, 40) & 0xFFFFFF, 0x808080u);
  EXPECT_EQ(b.PixelAt(50, 79) & 0xFFFFFF, 0x808080u);
  EXPECT_EQ(b.PixelAt(1, 79), kWhiteArgb);  // the dark line leaves out its end
  EXPECT_EQ(b.PixelAt(99, 0) & 0xFFFFFF, 0xF0E000u);  // page colour corners
  EXPECT_EQ(b.PixelAt(0, 79) & 0xFFFFFF, 0xF0E000u);

  look_.imgshadow = false;
  const Bitmap plain = Draw("/p/red.jpg", {100, 80}).bitmap;
  EXPECT_EQ(plain.PixelAt(94, 74), kRedArgb);
  EXPECT_EQ(plain.PixelAt(95, 74), kWhiteArgb);
  EXPECT_EQ(plain.PixelAt(94, 75), kWhiteArgb);
  EXPECT_EQ(plain.PixelAt(0, 0), kWhiteArgb);
  EXPECT_EQ(plain.PixelAt(99, 79), kWhiteArgb);
}

TEST_F(FreePictureTest, AMissingFileGivesThePlaceholderThatIsNeverTurned) {
  FreeLayoutItem item;
  item.value = "C:\\photos\\gone.jpg";
  item.rotation = 45;
  const PictureItemBitmap drawn = DrawPictureItem(item, {60, 40}, {59, 39}, true, look_, reader_);
  EXPECT_TRUE(drawn.missing);
  EXPECT_FALSE(drawn.rotated);
  EXPECT_EQ(drawn.bitmap.width(), 60);
  EXPECT_EQ(drawn.bitmap.PixelAt(30, 20) & 0xFFFFFF, 0xF0F0F0u);
  EXPECT_EQ(drawn.bitmap.PixelAt(4, 20), kWhiteArgb);
  EXPECT_EQ(drawn.bitmap.PixelAt(55, 20), kWhiteArgb);
  EXPECT_EQ(reader_.reads(), 0);
}

TEST_F(FreePictureTest, WithoutHighQualityTheCachedThumbnailReplacesTheFile) {
  reader_.AddCached("/p/red.jpg", 160, 120, 0xFF0000);  // blue thumbnail
  const Bitmap fast = Draw("/p/red.jpg", {100, 80}).bitmap;
  EXPECT_EQ(reader_.lastBox("/p/red.jpg"), ItemPixelSize{});  // the file was not loaded
  EXPECT_NEAR(static_cast<int>(fast.PixelAt(50, 40) & 0xFF), 255, 2);
  look_.highQuality = true;
  const Bitmap fine = Draw("/p/red.jpg", {100, 80}).bitmap;
  EXPECT_EQ(fine.PixelAt(50, 40), kRedArgb);
}

TEST_F(FreePictureTest, ATurnedPictureTakesItsBoundingBoxUnlessTheSwitchIsUp) {
  FreeLayoutItem item;
  item.value = "/p/red.jpg";
  item.rotation = 45;
  const PictureItemBitmap turned = DrawPictureItem(item, {200, 100}, {199, 99}, true, look_, reader_);
  EXPECT_TRUE(turned.rotated);
  EXPECT_EQ(turned.base, (ItemPixelSize{200, 100}));
  const RotatedSize size = RotatedPictureSize(200, 100, 45);
  EXPECT_EQ(turned.bitmap.width(), size.width);
  EXPECT_EQ(turned.bitmap.height(), size.height);
  EXPECT_EQ(turned.transparentColour, 0xF0F0F0u);
  look_.rotationAllowed = false;
  const PictureItemBitmap upright = DrawPictureItem(item, {200, 100}, {199, 99}, true, look_, reader_);
  EXPECT_FALSE(upright.rotated);
  EXPECT_EQ(upright.bitmap.width(), 200);
}

}  // namespace
}  // namespace lumidex
