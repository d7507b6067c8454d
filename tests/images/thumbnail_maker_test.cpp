#include <gtest/gtest.h>

#include "foundation/file_types.h"
#include "image_fixtures.h"
#include "images/jpeg_codec.h"
#include "images/shell_images.h"
#include "images/thumbnail_maker.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// A desktop that has a 10 x 20 blue thumbnail for every file.
class BlueShell final : public ShellImages {
 public:
  std::optional<Bitmap> ShellThumbnail(const std::string&, int, int) const override {
    Bitmap b = Bitmap::Create(10, 20);
    b.Fill(0xFF0000);
    return b;
  }
  Bitmap ShellIcon(const std::string&, bool large) const override { return NoShellImages().ShellIcon("", large); }
};

class ThumbnailMakerTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = home_.Join(name);
    testing::WriteFile(path, bytes);
    return path;
  }

  // The thumbnail of `path` decoded again.
  Bitmap Thumb(const std::string& path, bool exactSize = false, uint32_t background = 0xFFFFFF,
               const ImageContext& context = ImageContext()) {
    ThumbnailRequest request;
    request.path = path;
    request.exactSize = exactSize;
    request.background = background;
    Result<std::string> jpeg = RenderListThumbnail(request, context);
    EXPECT_TRUE(jpeg.ok()) << path << ": " << jpeg.status().message();
    if (!jpeg.ok()) return Bitmap();
    Result<Bitmap> bitmap = DecodeJpeg(jpeg.value());
    EXPECT_TRUE(bitmap.ok());
    return bitmap.ok() ? std::move(bitmap.value()) : Bitmap();
  }

  testing::TempHome home_;
};

TEST_F(ThumbnailMakerTest, CameraPictureFitsTheBox) {
  const Bitmap thumb = Thumb(Write("big.jpg", testing::WriteJpeg(4000, 3000)));
  EXPECT_EQ(thumb.width(), 169);
  EXPECT_EQ(thumb.height(), 127);
  const Bitmap portrait = Thumb(Write("tall.jpeg", testing::WriteJpeg(300, 400)));
  EXPECT_EQ(portrait.width(), 95);
  EXPECT_EQ(portrait.height(), 127);
}

TEST_F(ThumbnailMakerTest, TinyPictureKeepsItsSizeUnlessExact) {
  const std::string path = Write("tiny.bmp", testing::MakeBmpFile(testing::MakeDib(1, 1, 24, {"\x10\x20\x30"}), 0));
  const Bitmap thumb = Thumb(path);
  EXPECT_EQ(thumb.width(), 1);
  EXPECT_EQ(thumb.height(), 1);
  const Bitmap exact = Thumb(path, true);
  EXPECT_EQ(exact.width(), 170);
  EXPECT_EQ(exact.height(), 128);
}

TEST_F(ThumbnailMakerTest, ThinStripGivesARealPicture) {
  const Bitmap strip = Thumb(Write("strip.jpg", testing::WriteJpeg(4000, 20)));
  EXPECT_EQ(strip.width(), 169);
  EXPECT_EQ(strip.height(), 1);
}

TEST_F(ThumbnailMakerTest, SquarePictureStaysLandscapeOrPortraitAsItWas) {
  // 1000 x 999 fits as 128 x 128 but is landscape: one pixel wider.
  const Bitmap wide = Thumb(Write("wide.jpg", testing::WriteJpeg(1000, 999)));
  EXPECT_EQ(wide.width(), 129);
  EXPECT_EQ(wide.height(), 128);
  const Bitmap tall = Thumb(Write("tall.jpg", testing::WriteJpeg(999, 1000)));
  EXPECT_LT(tall.width(), tall.height());
}

TEST_F(ThumbnailMakerTest, TransparentPngIsDrawnOverTheBackground) {
  testing::PngOptions options;
  options.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  const std::string path = Write("clear.png", testing::WritePng(20, 20, options, [](int, int, int) { return 0; }));
  const Bitmap thumb = Thumb(path, false, 0x0000FF);  // red background
  const uint32_t p = thumb.PixelAt(10, 10);
  EXPECT_GT((p >> 16) & 0xFF, 240u);
  EXPECT_LT(p & 0xFF, 16u);
}

TEST_F(ThumbnailMakerTest, GifTransparencyShowsTheBackground) {
  const std::string path =
      Write("t.gif", testing::MakeGif(2, 1, {0x000000, 0x00FF00}, {0, 1}, 0));
  const Bitmap thumb = Thumb(path, true, 0xFFFFFF);
  EXPECT_GT(thumb.PixelAt(20, 64) & 0xFF, 240u);         // transparent half: white
  EXPECT_LT(thumb.PixelAt(150, 64) & 0xFF, 40u);         // green half
  EXPECT_GT((thumb.PixelAt(150, 64) >> 8) & 0xFF, 200u);
}

TEST_F(ThumbnailMakerTest, GifThatIsReallyAJpegGoesToTheShell) {
  const std::string path = Write("fake.gif", testing::WriteJpeg(64, 64));
  const Bitmap none = Thumb(path);
  EXPECT_EQ(none.width(), 16);
  EXPECT_EQ(none.height(), 16);
  BlueShell shell;
  ImageContext context;
  context.shell = &shell;
  const Bitmap shown = Thumb(path, false, 0xFFFFFF, context);
  EXPECT_EQ(shown.width(), 10);
  EXPECT_GT(shown.PixelAt(5, 5) & 0xFF, 200u);  // blue
}

TEST_F(ThumbnailMakerTest, IconFileUsesItsMaskOverTheBackground) {
  const std::string dib = testing::MakeDib(2, 2, 24, {std::string(6, '\0'), std::string(6, '\0')}, {}, 2,
                                           {std::string("\x80", 1), std::string("\x80", 1)});
  const Bitmap thumb = Thumb(Write("i.ico", testing::MakeIco(dib, 2, 2)), true, 0xFFFFFF);
  EXPECT_GT(thumb.PixelAt(10, 64) & 0xFF, 230u);  // masked column: background
  EXPECT_LT(thumb.PixelAt(160, 64) & 0xFF, 30u);  // black pixels
}

TEST_F(ThumbnailMakerTest, ManagedTypesGiveTheirSmallIcon) {
  FileTypeLists types;
  types.SetManagedTypes({".txt"});
  ImageContext context;
  context.types = &types;
  const Bitmap icon = Thumb(Write("notes.txt", "hello"), false, 0xFFFFFF, context);
  EXPECT_EQ(icon.width(), 16);
  EXPECT_EQ(icon.height(), 16);
}

TEST_F(ThumbnailMakerTest, UnreadableAndDamagedFilesFailCleanly) {
  ThumbnailRequest request;
  request.path = home_.Join("missing.jpg");
  EXPECT_FALSE(RenderListThumbnail(request, ImageContext()).ok());
  request.path = Write("zero.jpg", "");
  EXPECT_FALSE(RenderListThumbnail(request, ImageContext()).ok());
  request.path = Write("text.png", "just text");
  EXPECT_FALSE(RenderListThumbnail(request, ImageContext()).ok());
  request.path = Write("wrong.bmp", testing::WriteJpeg(8, 8));
  EXPECT_FALSE(RenderListThumbnail(request, ImageContext()).ok());
}

TEST_F(ThumbnailMakerTest, HighQualityAveragesWherePlainStretchPicks) {
  // Alternating black and white columns: averaging gives grey, picking
  // gives black or white.
  std::vector<std::string> lines;
  for (int y = 0; y < 256; ++y) {
    std::string line;
    for (int x = 0; x < 340; ++x) line += (x & 1) ? std::string(3, '\xFF') : std::string(3, '\0');
    lines.push_back(line);
  }
  const std::string path = Write("stripes.bmp", testing::MakeBmpFile(testing::MakeDib(340, 256, 24, lines), 0));
  const uint32_t plain = Thumb(path).PixelAt(50, 50) & 0xFF;
  EXPECT_TRUE(plain < 40 || plain > 215) << plain;
  ImageContext context;
  context.highQualityTypes = {".bmp"};
  const uint32_t averaged = Thumb(path, false, 0xFFFFFF, context).PixelAt(50, 50) & 0xFF;
  EXPECT_NEAR(static_cast<int>(averaged), 128, 12);
}

TEST_F(ThumbnailMakerTest, CellThumbnailUsesASquareBoxAtMost) {
  const std::string path = Write("c.jpg", testing::WriteJpeg(400, 300));
  Result<std::string> jpeg = MakeCellThumbnail(path, 60, 100, ImageContext());
  ASSERT_TRUE(jpeg.ok());
  Result<JpegSize> size = ReadJpegSize(jpeg.value());
  EXPECT_EQ(size.value().width, 59);  // the box became 60 x 60
  EXPECT_EQ(size.value().height, 44);
}

TEST_F(ThumbnailMakerTest, CellRendererGivesTheCellPictureOrNothing) {
  const auto render = CellThumbnailRenderer(60, 100, ImageContext());
  const std::optional<std::string> cover = render(Write("r.jpg", testing::WriteJpeg(400, 300)));
  ASSERT_TRUE(cover.has_value());
  EXPECT_EQ(ReadJpegSize(*cover).value().width, 59);
  EXPECT_FALSE(render(Write("broken.jpg", "not a picture")).has_value());
  EXPECT_FALSE(render("/nonexistent/missing.jpg").has_value());
}

TEST_F(ThumbnailMakerTest, FullImageKeepsTheOwnSize) {
  const std::string path = Write("f.png", testing::WritePng(37, 23, testing::PngOptions(), [](int, int, int) { return 9; }));
  Result<std::string> jpeg = LoadFullImage(path, 0xFFFFFF, ImageContext());
  ASSERT_TRUE(jpeg.ok());
  EXPECT_EQ(ReadJpegSize(jpeg.value()).value().width, 37);
  EXPECT_EQ(ReadJpegSize(jpeg.value()).value().height, 23);
}

}  // namespace
}  // namespace lumidex
