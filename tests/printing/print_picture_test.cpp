#include <gtest/gtest.h>

#include "images/image_fixtures.h"
#include "printing/print_picture.h"
#include "printing/print_pixels.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;

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

TEST_F(CellPictureTest, APictureIsDecodedAtItsPrintSizeNotFromAThumbnailOrWhole) {
  const std::string path = home_.Join("wide.jpg");
  testing::WriteFile(path, testing::WriteJpeg(3200, 2400));
  const PrintSettings settings;
  const SheetGeometry sheet = SheetLayout(paper_, settings, 7, 0);  // L, turned cells
  auto picture = RenderCellPicture(path, sheet, sheet.cells[0], settings, false, {}, {});
  ASSERT_TRUE(picture.ok()) << picture.status().message();
  const CellPicture& made = picture.value();
  EXPECT_EQ(made.placement.turn, QuarterTurn::kClockwise);
  // The pixels keep the file's orientation; the painter turns them.
  const PrintRect& target = made.placement.target;
  EXPECT_GE(made.pixels.height(), target.width);
  EXPECT_GE(made.pixels.width(), target.height);
  EXPECT_LE(made.pixels.height() * 3, target.width * 4);
  EXPECT_LE(made.pixels.width() * 3, target.height * 4);
  // The preview asks for exactly a tenth and gets it, in grey.
  CellPictureOptions preview{0.1, false, true, true};
  auto small = RenderCellPicture(path, sheet, sheet.cells[0], settings, false, {}, preview);
  ASSERT_TRUE(small.ok());
  EXPECT_NEAR(small.value().pixels.height(), target.width / 10, 1);
  EXPECT_NEAR(small.value().pixels.width(), target.height / 10, 1);
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
  CellPictureOptions exact;
  exact.exact = true;
  auto picture = RenderCellPicture(path, sheet, sheet.cells[0], settings, false, {}, exact);
  ASSERT_TRUE(picture.ok());
  // Turned: the long side runs down the cell and overlaps it.
  EXPECT_EQ(picture.value().placement.turn, QuarterTurn::kClockwise);
  EXPECT_GT(picture.value().placement.slackY, 0);
  EXPECT_EQ(picture.value().pixels.height(), sheet.cells[0].box.width);
  EXPECT_EQ(picture.value().pixels.width(), sheet.cells[0].box.height);
  EXPECT_FALSE(RenderCellPicture(home_.Join("gone.jpg"), sheet, sheet.cells[0], settings, false,
                                 {}, {})
                   .ok());
}

}  // namespace
}  // namespace lumidex
