#include <gtest/gtest.h>

#include "images/image_fixtures.h"
#include "printing/print_picture.h"
#include "printing/print_pixels.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;

Bitmap Corners() {
  Bitmap b = Bitmap::Create(3, 2);
  b.SetPixel(0, 0, 0xFF000001);
  b.SetPixel(2, 0, 0xFF000002);
  b.SetPixel(0, 1, 0xFF000003);
  b.SetPixel(2, 1, 0xFF000004);
  return b;
}

TEST(PrintPixelsTest, QuarterTurnsMoveTheCorners) {
  const Bitmap ccw = TurnBitmap(Corners(), QuarterTurn::kCounterClockwise);
  ASSERT_EQ(ccw.width(), 2);
  ASSERT_EQ(ccw.height(), 3);
  EXPECT_EQ(ccw.PixelAt(0, 2), 0xFF000001u);  // top-left to bottom-left
  EXPECT_EQ(ccw.PixelAt(0, 0), 0xFF000002u);  // top-right to top-left
  EXPECT_EQ(ccw.PixelAt(1, 2), 0xFF000003u);  // bottom-left to bottom-right
  const Bitmap cw = TurnBitmap(Corners(), QuarterTurn::kClockwise);
  EXPECT_EQ(cw.PixelAt(1, 0), 0xFF000001u);
  EXPECT_EQ(cw.PixelAt(0, 0), 0xFF000003u);
}

TEST(PrintPixelsTest, GreyKeepsWhiteWhiteAndRounds) {
  Bitmap b = Bitmap::Create(2, 1);
  b.SetPixel(0, 0, 0xFFFFFFFF);
  b.SetPixel(1, 0, 0xFF808080);
  ToGrey(b);
  EXPECT_EQ(b.PixelAt(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(b.PixelAt(1, 0), 0xFF808080u);
}

class CellPictureTest : public ::testing::Test {
 protected:
  TempHome home_;
  PaperFacts paper_ = WholeSheetFacts(210, 297, 300, false);
};

TEST_F(CellPictureTest, APictureIsDecodedAtExactlyItsPrintSize) {
  const std::string path = home_.Join("wide.jpg");
  testing::WriteFile(path, testing::WriteJpeg(1600, 1200));
  const PrintSettings settings;
  const SheetGeometry sheet = SheetLayout(paper_, settings, 7, 0);  // L, turned cells
  auto picture = RenderCellPicture(path, sheet, sheet.cells[0], settings, false, {}, {});
  ASSERT_TRUE(picture.ok()) << picture.status().message();
  const CellPicture& made = picture.value();
  EXPECT_EQ(made.placement.turn, QuarterTurn::kClockwise);
  EXPECT_EQ(made.pixels.width(), made.placement.target.width);
  EXPECT_EQ(made.pixels.height(), made.placement.target.height);
  EXPECT_LT(made.pixels.width(), made.pixels.height());
  // The preview asks for a tenth and gets it, in grey.
  CellPictureOptions preview{0.1, false, true};
  auto small = RenderCellPicture(path, sheet, sheet.cells[0], settings, false, {}, preview);
  ASSERT_TRUE(small.ok());
  EXPECT_NEAR(small.value().pixels.width(), made.pixels.width() / 10, 1);
  const uint32_t pixel = small.value().pixels.PixelAt(5, 5);
  EXPECT_EQ(pixel & 0xFF, (pixel >> 8) & 0xFF);
  EXPECT_EQ(pixel & 0xFF, (pixel >> 16) & 0xFF);
}

TEST_F(CellPictureTest, ACroppedPictureIsCutToItsBox) {
  const std::string path = home_.Join("wide.jpg");
  testing::WriteFile(path, testing::WriteJpeg(800, 200));
  PrintSettings settings;
  settings.fillCell = settings.keepRatio = true;
  const SheetGeometry sheet = SheetLayout(paper_, settings, 2, 0);
  auto picture = RenderCellPicture(path, sheet, sheet.cells[0], settings, false, {}, {});
  ASSERT_TRUE(picture.ok());
  EXPECT_EQ(picture.value().pixels.width(), sheet.cells[0].box.width);
  EXPECT_EQ(picture.value().pixels.height(), sheet.cells[0].box.height);
  EXPECT_GT(picture.value().placement.slackY, 0);  // turned: the long side runs down
  EXPECT_FALSE(RenderCellPicture(home_.Join("gone.jpg"), sheet, sheet.cells[0], settings, false,
                                 {}, {})
                   .ok());
}

}  // namespace
}  // namespace lumidex
