#include "images/card_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "images/image_fixtures.h"
#include "images/shell_images.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::TempHome;
using testing::WriteFile;

constexpr uint32_t kWindowColour = 0x00C08040;  // 0x00BBGGRR
constexpr uint32_t kWindowArgb = 0xFF4080C0;

CardPictureRequest Request(const std::string& path, int boxWidth, int boxHeight) {
  return {path, boxWidth, boxHeight, kWindowColour, 0xFFFFFF};
}

// Whether the colour of `argb` is `rgb` give or take one step per channel.
bool Near(uint32_t argb, uint32_t rgb) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>((argb >> shift) & 0xFF);
    const int b = static_cast<int>((rgb >> shift) & 0xFF);
    if (std::abs(a - b) > 1) return false;
  }
  return true;
}

// A desktop that answers every thumbnail request with a 10 x 10 red sheet
// (or nothing) and remembers the size asked for.
class FakeShell final : public ShellImages {
 public:
  explicit FakeShell(bool hasThumbnails) : hasThumbnails_(hasThumbnails) {}
  std::optional<Bitmap> ShellThumbnail(const std::string&, int width, int height) const override {
    asked_.push_back({width, height});
    if (!hasThumbnails_) return std::nullopt;
    Bitmap sheet = Bitmap::Create(10, 10);
    sheet.Fill(0x0000FF);
    return sheet;
  }
  Bitmap ShellIcon(const std::string&, bool) const override { return Bitmap::Create(16, 16); }
  mutable std::vector<std::pair<int, int>> asked_;

 private:
  bool hasThumbnails_;
};

TEST(CardPictureTest, SourceFollowsTheExtension) {
  EXPECT_EQ(CardPictureSourceFor(".dib"), CardPictureSource::kBitmapFile);
  EXPECT_EQ(CardPictureSourceFor(".png"), CardPictureSource::kPng);
  EXPECT_EQ(CardPictureSourceFor(".gif"), CardPictureSource::kGif);
  EXPECT_EQ(CardPictureSourceFor(".ico"), CardPictureSource::kIcon);
  EXPECT_EQ(CardPictureSourceFor(".jpg"), CardPictureSource::kPicture);
  EXPECT_EQ(CardPictureSourceFor(".bmp"), CardPictureSource::kPicture);
  EXPECT_EQ(CardPictureSourceFor(".tif"), CardPictureSource::kShell);
  EXPECT_EQ(CardPictureSourceFor(".pdf"), CardPictureSource::kShell);
}

TEST(CardPictureTest, PngTransparencyIsLaidOverTheWindowColour) {
  TempHome home;
  const std::string path = home.Join("a.png");
  testing::PngOptions options;
  options.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  // Left half transparent, right half opaque black.
  WriteFile(path, testing::WritePng(8, 4, options, [](int x, int, int channel) {
              return channel == 3 ? (x < 4 ? 0 : 255) : 0;
            }));
  Result<CardPicture> picture = LoadCardPicture(Request(path, 100, 80), NoShellImages());
  ASSERT_TRUE(picture.ok()) << picture.status().message();
  const Bitmap& bitmap = picture.value().bitmap;
  EXPECT_FALSE(bitmap.hasAlpha());
  EXPECT_FALSE(picture.value().icon);
  EXPECT_EQ(bitmap.PixelAt(0, 0) & 0xFFFFFF, kWindowArgb & 0xFFFFFF);
  EXPECT_EQ(bitmap.PixelAt(7, 0) & 0xFFFFFF, 0u);
}

TEST(CardPictureTest, JpegIsDecodedOnlyAsLargeAsTheCardNeeds) {
  TempHome home;
  const std::string path = home.Join("a.JPG");
  WriteFile(path, testing::WriteJpeg(640, 480));
  Result<CardPicture> small = LoadCardPicture(Request(path, 100, 80), NoShellImages());
  ASSERT_TRUE(small.ok());
  EXPECT_EQ(small.value().bitmap.width(), 160);  // a quarter still covers 100 x 80
  EXPECT_EQ(small.value().bitmap.height(), 120);
  EXPECT_EQ(small.value().width, 640);  // fitted by its own size
  EXPECT_EQ(small.value().height, 480);
  EXPECT_TRUE(small.value().fittedToCard);
  Result<CardPicture> large = LoadCardPicture(Request(path, 1000, 700), NoShellImages());
  ASSERT_TRUE(large.ok());
  EXPECT_EQ(large.value().bitmap.width(), 640);
  EXPECT_EQ(large.value().bitmap.height(), 480);
}

TEST(CardPictureTest, JpegDeclaringMoreThanABitmapHoldsIsRefusedEvenForASmallCard) {
  TempHome home;
  const std::string small = testing::WriteJpeg(16, 16);
  for (const int side : {60000, 12000}) {  // 3.6 and 0.14 gigapixels, 1/8 would be small
    const std::string path = home.Join("huge" + std::to_string(side) + ".jpg");
    WriteFile(path, testing::WithJpegFrameSize(small, side, side));
    Result<CardPicture> picture = LoadCardPicture(Request(path, 100, 80), NoShellImages());
    ASSERT_FALSE(picture.ok()) << side;
    EXPECT_NE(picture.status().message().find("too large"), std::string::npos);
  }
}

TEST(CardPictureTest, BitmapFileKeepsItsOwnSize) {
  TempHome home;
  const std::string path = home.Join("a.bmp");
  const std::vector<std::string> rows(3, std::string(12, '\x40'));
  WriteFile(path, testing::MakeBmpFile(testing::MakeDib(4, 3, 24, rows), 0));
  Result<CardPicture> picture = LoadCardPicture(Request(path, 100, 80), NoShellImages());
  ASSERT_TRUE(picture.ok()) << picture.status().message();
  EXPECT_EQ(picture.value().bitmap.width(), 4);
  EXPECT_FALSE(picture.value().fittedToCard);
}

TEST(CardPictureTest, IconMaskShowsTheMaskColour) {
  TempHome home;
  const std::string path = home.Join("a.ico");
  // 8 x 2, 24 bits, all black; the mask makes the left half of each row transparent.
  const std::vector<std::string> rows(2, std::string(24, '\0'));
  const std::vector<std::string> mask(2, std::string("\xF0", 1));
  WriteFile(path, testing::MakeIco(testing::MakeDib(8, 2, 24, rows, {}, 2, mask), 8, 2));
  // White on a card's face, the window colour on the full-screen background.
  for (const uint32_t maskColour : {0xFFFFFFu, kWindowColour}) {
    CardPictureRequest request = Request(path, 100, 80);
    request.maskColour = maskColour;
    Result<CardPicture> picture = LoadCardPicture(request, NoShellImages());
    ASSERT_TRUE(picture.ok()) << picture.status().message();
    EXPECT_TRUE(picture.value().icon);
    const Bitmap& bitmap = picture.value().bitmap;
    EXPECT_EQ(bitmap.width(), 8);
    const uint32_t masked = bitmap.PixelAt(0, 0);  // 0xAARRGGBB
    EXPECT_EQ(masked & 0xFFFFFF, maskColour == kWindowColour ? kWindowArgb & 0xFFFFFF : 0xFFFFFFu);
    EXPECT_EQ(bitmap.PixelAt(7, 0) & 0xFFFFFF, 0u);
  }
}

TEST(CardPictureTest, GifAsksTheDesktopAtTheGifsOwnSize) {
  TempHome home;
  const std::string path = home.Join("a.gif");
  WriteFile(path, testing::MakeGif(3, 2, {0xFF0000, 0x00FF00}, {0, 1, 0, 1, 0, 1}));
  FakeShell shell(true);
  Result<CardPicture> picture = LoadCardPicture(Request(path, 100, 80), shell);
  ASSERT_TRUE(picture.ok());
  ASSERT_EQ(shell.asked_.size(), 1u);
  EXPECT_EQ(shell.asked_[0], (std::pair<int, int>{3, 2}));
}

TEST(CardPictureTest, GifWithoutADesktopPictureIsDecodedHere) {
  TempHome home;
  const std::string path = home.Join("a.gif");
  WriteFile(path, testing::MakeGif(3, 2, {0xFF0000, 0x00FF00}, {0, 1, 0, 1, 0, 1}));
  Result<CardPicture> picture = LoadCardPicture(Request(path, 100, 80), NoShellImages());
  ASSERT_TRUE(picture.ok()) << picture.status().message();
  EXPECT_EQ(picture.value().bitmap.width(), 3);
  // Opaque pixels may move one step towards the window colour when laid over it.
  EXPECT_TRUE(Near(picture.value().bitmap.PixelAt(0, 0), 0xFF0000u));
  EXPECT_TRUE(Near(picture.value().bitmap.PixelAt(1, 0), 0x00FF00u));
}

TEST(CardPictureTest, FileNamedGifButNotAGifAsksTheDesktopAtTheCardsSize) {
  TempHome home;
  const std::string path = home.Join("b.gif");
  WriteFile(path, "not a picture");
  FakeShell shell(true);
  Result<CardPicture> picture = LoadCardPicture(Request(path, 100, 80), shell);
  ASSERT_TRUE(picture.ok());
  EXPECT_EQ(shell.asked_.at(0), (std::pair<int, int>{100, 80}));
  EXPECT_TRUE(picture.value().fittedToCard);
}

TEST(CardPictureTest, OtherTypesComeFromTheDesktopOrFail) {
  TempHome home;
  const std::string path = home.Join("a.pdf");
  WriteFile(path, "%PDF");
  FakeShell shell(true);
  Result<CardPicture> picture = LoadCardPicture(Request(path, 120, 90), shell);
  ASSERT_TRUE(picture.ok());
  EXPECT_EQ(shell.asked_.at(0), (std::pair<int, int>{120, 90}));
  EXPECT_EQ(picture.value().bitmap.PixelAt(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_FALSE(LoadCardPicture(Request(path, 120, 90), NoShellImages()).ok());
}

TEST(CardPictureTest, MissingOrDamagedFileIsAnError) {
  TempHome home;
  EXPECT_FALSE(LoadCardPicture(Request(home.Join("none.jpg"), 100, 80), NoShellImages()).ok());
  const std::string damaged = home.Join("bad.png");
  WriteFile(damaged, "garbage");
  EXPECT_FALSE(LoadCardPicture(Request(damaged, 100, 80), NoShellImages()).ok());
}

}  // namespace
}  // namespace lumidex
