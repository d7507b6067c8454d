// JPEG, PNG, BMP, ICO and GIF decoding on files made in the test.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "image_fixtures.h"
#include "images/decode_memory.h"
#include "images/dib_decoder.h"
#include "images/gif_reader.h"
#include "images/icon_reader.h"
#include "images/jpeg_codec.h"
#include "images/png_reader.h"

namespace lumidex {
namespace {

using testing::JpegKind;

int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

// True when two colours differ by at most `tolerance` per channel.
bool Near(uint32_t a, uint32_t b, int tolerance) {
  for (int s : {0, 8, 16}) {
    if (std::abs(Channel(a, s) - Channel(b, s)) > tolerance) return false;
  }
  return true;
}

uint32_t Flat(int, int) { return 0xC08040; }

TEST(JpegCodecTest, DecodesBaselineProgressiveAndGreyPictures) {
  for (JpegKind kind : {JpegKind::kBaseline, JpegKind::kProgressive, JpegKind::kGrey}) {
    Result<Bitmap> bitmap = DecodeJpeg(testing::WriteJpeg(64, 48, kind, Flat));
    ASSERT_TRUE(bitmap.ok()) << static_cast<int>(kind);
    EXPECT_EQ(bitmap.value().width(), 64);
    EXPECT_EQ(bitmap.value().height(), 48);
    EXPECT_FALSE(bitmap.value().hasAlpha());
    const uint32_t expected = kind == JpegKind::kGrey ? 0x8A8A8A : 0xC08040;
    EXPECT_TRUE(Near(bitmap.value().PixelAt(30, 20), expected, 6))
        << std::hex << bitmap.value().PixelAt(30, 20);
  }
}

TEST(JpegCodecTest, DecodesAdobeCmykPictures) {
  // The fixture stores (R, G, B, 255) as inks with libjpeg's Adobe marker,
  // which says the inks are inverted: the colour comes back as it was.
  Result<Bitmap> bitmap = DecodeJpeg(testing::WriteJpeg(32, 32, JpegKind::kCmyk, Flat));
  ASSERT_TRUE(bitmap.ok());
  EXPECT_TRUE(Near(bitmap.value().PixelAt(10, 10), 0xC08040, 8)) << std::hex << bitmap.value().PixelAt(10, 10);
}

TEST(JpegCodecTest, ScaledDecodingPicksTheSmallestScaleThatCoversTheBox) {
  const std::string jpeg = testing::WriteJpeg(800, 600);
  JpegDecodeOptions options;
  options.coverWidth = 100;
  options.coverHeight = 75;
  Result<Bitmap> eighth = DecodeJpeg(jpeg, options);
  ASSERT_TRUE(eighth.ok());
  EXPECT_EQ(eighth.value().width(), 100);
  EXPECT_EQ(eighth.value().height(), 75);
  options.coverWidth = 101;
  Result<Bitmap> quarter = DecodeJpeg(jpeg, options);
  ASSERT_TRUE(quarter.ok());
  EXPECT_EQ(quarter.value().width(), 200);
  options.fast = true;
  options.coverWidth = 170;
  options.coverHeight = 127;
  Result<Bitmap> fast = DecodeJpeg(jpeg, options);
  ASSERT_TRUE(fast.ok());
  EXPECT_EQ(fast.value().width(), 200);
}

// Pseudo-random pixels, so that the compressed data dominate the file.
uint32_t Noise(int x, int y) {
  uint32_t h = static_cast<uint32_t>(x) * 73856093u ^ static_cast<uint32_t>(y) * 19349663u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return (h ^ (h >> 15)) & 0xFFFFFF;
}

TEST(JpegCodecTest, TruncatedFileKeepsTheRowsDecoded) {
  const std::string whole = testing::WriteJpeg(64, 256, JpegKind::kBaseline, Noise);
  const std::string jpeg = whole.substr(0, whole.size() / 2);
  Result<Bitmap> bitmap = DecodeJpeg(jpeg);
  ASSERT_TRUE(bitmap.ok());
  Result<Bitmap> reference = DecodeJpeg(whole);
  EXPECT_EQ(bitmap.value().PixelAt(5, 5), reference.value().PixelAt(5, 5));
  EXPECT_NE(bitmap.value().PixelAt(5, 250), reference.value().PixelAt(5, 250));
  JpegDecodeOptions strict;
  strict.strict = true;
  EXPECT_FALSE(DecodeJpeg(jpeg, strict).ok());
}

TEST(JpegCodecTest, GarbageAndEmptyDataFailWithoutEndingTheProcess) {
  EXPECT_FALSE(DecodeJpeg("").ok());
  EXPECT_FALSE(DecodeJpeg("not a jpeg at all").ok());
  std::string header = testing::WriteJpeg(8, 8).substr(0, 20);
  EXPECT_FALSE(DecodeJpeg(header).ok());
  EXPECT_FALSE(ReadJpegSize("\xFF\xD8\xFF").ok());
}

TEST(JpegCodecTest, HugeDeclaredSizeIsRefused) {
  std::string jpeg = testing::WriteJpeg(16, 16);
  // The SOF0 frame header holds height and width after its precision byte.
  const size_t sof = jpeg.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  jpeg[sof + 5] = '\xFF';
  jpeg[sof + 6] = '\x00';
  jpeg[sof + 7] = '\xFF';
  jpeg[sof + 8] = '\x00';
  Result<JpegSize> size = ReadJpegSize(jpeg);
  ASSERT_TRUE(size.ok());
  EXPECT_EQ(size.value().width, 65280);
  EXPECT_FALSE(DecodeJpeg(jpeg).ok());
}

TEST(JpegCodecTest, HugeProgressivePictureFailsInsteadOfExhaustingMemory) {
  std::string jpeg = testing::WriteJpeg(16, 16, JpegKind::kProgressive);
  const size_t sof = jpeg.find("\xFF\xC2");
  ASSERT_NE(sof, std::string::npos);
  // 30000 x 30000: within the size a scaled decode accepts, but its
  // coefficients alone would take gigabytes.
  jpeg.replace(sof + 5, 4, std::string("\x75\x30\x75\x30", 4));
  JpegDecodeOptions thumbnail;
  thumbnail.coverWidth = 170;
  thumbnail.coverHeight = 128;
  EXPECT_FALSE(DecodeJpeg(jpeg, thumbnail).ok());
}

// Headers of 11500 x 11500: within kMaxBitmapPixels, but the bitmap alone
// would take 529 MB, and a progressive JPEG's coefficients 400 to 800 MB
// even when it is decoded at 1/8.
TEST(DecodeMemoryTest, HeadersClaimingMoreThanOnePictureMayTakeAreRefused) {
  constexpr int kHuge = 11500;
  JpegDecodeOptions thumbnail;
  thumbnail.coverWidth = 170;
  thumbnail.coverHeight = 128;
  const std::string progressive = testing::WriteJpeg(16, 16, JpegKind::kProgressive);
  for (bool fullChroma : {false, true}) {
    const std::string jpeg = testing::WithJpegFrameSize(progressive, kHuge, kHuge, fullChroma);
    EXPECT_GT(JpegDecodeBytes(jpeg, thumbnail).value(), kMaxDecodeBytes);
    EXPECT_FALSE(DecodeJpeg(jpeg, thumbnail).ok());
  }
  // A 24-megapixel progressive camera picture still decodes for a thumbnail.
  const std::string camera = testing::WithJpegFrameSize(progressive, 6000, 4000);
  EXPECT_LE(JpegDecodeBytes(camera, thumbnail).value(), kMaxDecodeBytes);
  EXPECT_TRUE(DecodeJpeg(camera, thumbnail).ok());

  testing::PngOptions alpha;
  alpha.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  const std::string png = testing::WithPngSize(
      testing::WritePng(16, 16, alpha, [](int, int, int) { return 7; }), kHuge, kHuge);
  EXPECT_GT(PngDecodeBytes(png), kMaxDecodeBytes);
  EXPECT_FALSE(DecodePng(png).ok());
  EXPECT_FALSE(LoadIconFile(testing::MakeIco(png, 0, 0)).ok());

  const std::string gif =
      testing::MakeGif(kHuge, kHuge, {0xFF0000, 0x00FF00}, {0, 1, 1, 0}, -1, 0, 0, 2, 2);
  EXPECT_GT(GifDecodeBytes(gif), kMaxDecodeBytes);
  EXPECT_FALSE(DecodeGifFirstFrame(gif).ok());

  const std::string dib = testing::MakeDib(1, 1, 32, {"abcd"}, {});
  std::string bmp = testing::MakeBmpFile(dib, 0);
  bmp.replace(14 + 4, 8, std::string("\xEC\x2C\x00\x00\xEC\x2C\x00\x00", 8));
  EXPECT_GT(BmpDecodeBytes(bmp), kMaxDecodeBytes);
  EXPECT_FALSE(DecodeBmp(bmp).ok());
}

TEST(DecodeMemoryTest, ReservationsWaitForRoomAndOnesThatNeverFitAreRefused) {
  DecodeMemoryBudget budget(100);
  EXPECT_FALSE(budget.Reserve(101));
  DecodeReservation first = budget.Reserve(60);
  ASSERT_TRUE(first);
  EXPECT_FALSE(budget.TryReserve(50));
  EXPECT_EQ(budget.held(), 60);
  std::atomic<bool> second{false};
  std::thread waiter([&] {
    DecodeReservation r = budget.Reserve(50);
    second = static_cast<bool>(r);
  });
  first = DecodeReservation();  // gives the 60 back; the waiter gets its 50
  waiter.join();
  EXPECT_TRUE(second);
  EXPECT_EQ(budget.held(), 0);
}

TEST(JpegCodecTest, EncodedPictureDecodesBackAlike) {
  Bitmap bitmap = Bitmap::Create(40, 30);
  bitmap.Fill(0x2080F0);  // red F0, green 80, blue 20
  Result<std::string> jpeg = EncodeJpeg(bitmap, 90);
  ASSERT_TRUE(jpeg.ok());
  Result<Bitmap> back = DecodeJpeg(jpeg.value());
  ASSERT_TRUE(back.ok());
  EXPECT_TRUE(Near(back.value().PixelAt(20, 15), 0xF08020, 4)) << std::hex << back.value().PixelAt(20, 15);
  EXPECT_FALSE(EncodeJpeg(Bitmap()).ok());
}

// PNG samples: channel c of pixel x gets a value that differs per channel.
int Sample(int x, int y, int c, int depth) {
  const int max = (1 << depth) - 1;
  return (x * 3 + c * 5 + y) % (max + 1);
}

uint8_t To8(int v, int depth) { return static_cast<uint8_t>(depth == 16 ? v >> 8 : v * 255 / ((1 << depth) - 1)); }

TEST(PngReaderTest, ReadsEveryColourTypeAndDepth) {
  struct Case {
    int type;
    int depth;
  };
  const Case cases[] = {{PNG_COLOR_TYPE_GRAY, 1},       {PNG_COLOR_TYPE_GRAY, 2},
                        {PNG_COLOR_TYPE_GRAY, 4},       {PNG_COLOR_TYPE_GRAY, 8},
                        {PNG_COLOR_TYPE_GRAY, 16},      {PNG_COLOR_TYPE_RGB, 8},
                        {PNG_COLOR_TYPE_RGB, 16},       {PNG_COLOR_TYPE_PALETTE, 1},
                        {PNG_COLOR_TYPE_PALETTE, 2},    {PNG_COLOR_TYPE_PALETTE, 4},
                        {PNG_COLOR_TYPE_PALETTE, 8},    {PNG_COLOR_TYPE_GRAY_ALPHA, 8},
                        {PNG_COLOR_TYPE_GRAY_ALPHA, 16}, {PNG_COLOR_TYPE_RGB_ALPHA, 8},
                        {PNG_COLOR_TYPE_RGB_ALPHA, 16}};
  for (const Case& c : cases) {
    for (bool interlaced : {false, true}) {
      testing::PngOptions options;
      options.colourType = c.type;
      options.bitDepth = c.depth;
      options.interlaced = interlaced;
      const int depth = c.depth;
      const std::string png = testing::WritePng(
          9, 5, options, [&](int x, int y, int ch) { return Sample(x, y, ch, depth); });
      Result<Bitmap> bitmap = DecodePng(png);
      ASSERT_TRUE(bitmap.ok()) << c.type << "/" << c.depth;
      ASSERT_EQ(bitmap.value().width(), 9);
      ASSERT_EQ(bitmap.value().height(), 5);
      EXPECT_EQ(bitmap.value().hasAlpha(), (c.type & PNG_COLOR_MASK_ALPHA) != 0);
      const int x = 7, y = 3;
      const uint32_t p = bitmap.value().PixelAt(x, y);
      int r = 0, g = 0, b = 0, a = 255;
      if (c.type == PNG_COLOR_TYPE_PALETTE) {
        const int i = Sample(x, y, 0, depth);
        r = (i * 16) & 0xFF;
        g = (255 - i * 16) & 0xFF;
        b = (i * 4) & 0xFF;
      } else if (c.type == PNG_COLOR_TYPE_GRAY || c.type == PNG_COLOR_TYPE_GRAY_ALPHA) {
        r = g = b = To8(Sample(x, y, 0, depth), depth);
        if (c.type == PNG_COLOR_TYPE_GRAY_ALPHA) a = To8(Sample(x, y, 1, depth), depth);
      } else {
        r = To8(Sample(x, y, 0, depth), depth);
        g = To8(Sample(x, y, 1, depth), depth);
        b = To8(Sample(x, y, 2, depth), depth);
        if (c.type == PNG_COLOR_TYPE_RGB_ALPHA) a = To8(Sample(x, y, 3, depth), depth);
      }
      EXPECT_EQ(Channel(p, 16), r) << c.type << "/" << c.depth << " interlaced " << interlaced;
      EXPECT_EQ(Channel(p, 8), g) << c.type << "/" << c.depth;
      EXPECT_EQ(Channel(p, 0), b) << c.type << "/" << c.depth;
      EXPECT_EQ(Channel(p, 24), a) << c.type << "/" << c.depth;
    }
  }
}

TEST(PngReaderTest, TransparencyChunkGivesAlpha) {
  for (int type : {PNG_COLOR_TYPE_PALETTE, PNG_COLOR_TYPE_GRAY, PNG_COLOR_TYPE_RGB}) {
    testing::PngOptions options;
    options.colourType = type;
    options.bitDepth = type == PNG_COLOR_TYPE_GRAY ? 4 : 8;
    options.transparency = true;
    // Pixel (0, 0) is index / value 0 and transparent; the others are not.
    const std::string png = testing::WritePng(4, 2, options, [](int x, int y, int c) { return x == 0 && y == 0 ? 0 : 3 + c; });
    Result<Bitmap> bitmap = DecodePng(png);
    ASSERT_TRUE(bitmap.ok()) << type;
    EXPECT_TRUE(bitmap.value().hasAlpha()) << type;
    EXPECT_EQ(bitmap.value().PixelAt(0, 0) >> 24, 0u) << type;
    EXPECT_EQ(bitmap.value().PixelAt(1, 0) >> 24, 255u) << type;
  }
}

TEST(PngReaderTest, GammaIsCorrectedOnlyWithAGammaChunk) {
  testing::PngOptions options;
  options.colourType = PNG_COLOR_TYPE_GRAY;
  auto mid = [](int, int, int) { return 128; };
  Result<Bitmap> plain = DecodePng(testing::WritePng(2, 2, options, mid));
  options.gamma = 1.0;  // linear file shown on a 2.2 display: brighter
  Result<Bitmap> linear = DecodePng(testing::WritePng(2, 2, options, mid));
  options.gamma = 1 / 2.2;  // the display's own gamma: unchanged
  Result<Bitmap> matched = DecodePng(testing::WritePng(2, 2, options, mid));
  ASSERT_TRUE(plain.ok() && linear.ok() && matched.ok());
  EXPECT_EQ(Channel(plain.value().PixelAt(0, 0), 0), 128);
  EXPECT_GT(Channel(linear.value().PixelAt(0, 0), 0), 170);
  EXPECT_NEAR(Channel(matched.value().PixelAt(0, 0), 0), 128, 1);
}

TEST(PngReaderTest, TruncatedFileKeepsTheRowsDecoded) {
  testing::PngOptions options;
  options.colourType = PNG_COLOR_TYPE_RGB;
  auto noisy = [](int x, int y, int c) { return static_cast<int>(Noise(x + c * 1000, y) & 0xFF); };
  std::string full = testing::WritePng(200, 200, options, noisy);
  options.truncateTo = full.size() / 2;
  Result<Bitmap> bitmap = DecodePng(testing::WritePng(200, 200, options, noisy));
  ASSERT_TRUE(bitmap.ok());
  Result<Bitmap> whole = DecodePng(full);
  EXPECT_EQ(bitmap.value().PixelAt(50, 2), whole.value().PixelAt(50, 2));
  EXPECT_EQ(bitmap.value().PixelAt(50, 199) & 0xFFFFFF, 0u);  // never reached: black
}

TEST(PngReaderTest, WrongSignatureAndDamagedHeaderGiveNothing) {
  EXPECT_FALSE(DecodePng("").ok());
  EXPECT_FALSE(DecodePng("\x89PNG\r\n\x1a\x0bxxxxxxxxxxxxxx").ok());
  testing::PngOptions options;
  std::string png = testing::WritePng(3, 3, options, [](int, int, int) { return 1; });
  EXPECT_FALSE(DecodePng(png.substr(0, 20)).ok());
}

TEST(PngReaderTest, HugeDeclaredSizeIsRefused) {
  testing::PngOptions options;
  std::string png = testing::WritePng(3, 3, options, [](int, int, int) { return 1; });
  // IHDR width and height at 16..23; the CRC no longer matches, which
  // libpng reports before anything is allocated either way.
  png.replace(16, 8, std::string("\x00\x00\xC3\x50\x00\x00\xC3\x50", 8));
  EXPECT_FALSE(DecodePng(png).ok());
}

std::vector<std::string> RowsOf(int height, const std::string& row) { return std::vector<std::string>(height, row); }

TEST(BmpReaderTest, ReadsPaletteAndTrueColourDepths) {
  const std::vector<uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  // 1 bit: pixels 0,1,0,1...
  Result<Bitmap> one = DecodeBmp(testing::MakeBmpFile(testing::MakeDib(8, 2, 1, RowsOf(2, "\x55"), {0x000000, 0xFFFFFF}), 8));
  ASSERT_TRUE(one.ok());
  EXPECT_EQ(one.value().PixelAt(0, 0) & 0xFFFFFF, 0u);
  EXPECT_EQ(one.value().PixelAt(1, 0) & 0xFFFFFF, 0xFFFFFFu);
  Result<Bitmap> four = DecodeBmp(testing::MakeBmpFile(testing::MakeDib(2, 1, 4, {"\x12"}, palette), 16));
  ASSERT_TRUE(four.ok());
  EXPECT_EQ(four.value().PixelAt(0, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(four.value().PixelAt(1, 0) & 0xFFFFFF, 0x00FF00u);
  Result<Bitmap> eight = DecodeBmp(testing::MakeBmpFile(testing::MakeDib(1, 2, 8, {"\x03", "\x01"}, palette), 16));
  ASSERT_TRUE(eight.ok());
  EXPECT_EQ(eight.value().PixelAt(0, 0) & 0xFFFFFF, 0x0000FFu);  // top row first
  EXPECT_EQ(eight.value().PixelAt(0, 1) & 0xFFFFFF, 0xFF0000u);
  Result<Bitmap> rgb = DecodeBmp(testing::MakeBmpFile(testing::MakeDib(1, 1, 24, {"\x30\x20\x10"}), 0));
  ASSERT_TRUE(rgb.ok());
  EXPECT_EQ(rgb.value().PixelAt(0, 0), 0xFF102030u);
  Result<Bitmap> rgb16 = DecodeBmp(testing::MakeBmpFile(testing::MakeDib(1, 1, 16, {"\x1F\x7C"}), 0));
  ASSERT_TRUE(rgb16.ok());
  EXPECT_EQ(rgb16.value().PixelAt(0, 0), 0xFFFF00FFu);  // 5-5-5: red 31, green 0, blue 31
  Result<Bitmap> rgb32 = DecodeBmp(testing::MakeBmpFile(testing::MakeDib(1, 1, 32, {std::string("\x01\x02\x03\x00", 4)}), 0));
  ASSERT_TRUE(rgb32.ok());
  EXPECT_EQ(rgb32.value().PixelAt(0, 0), 0xFF030201u);
  EXPECT_FALSE(rgb32.value().hasAlpha());
}

TEST(BmpReaderTest, ReadsBitFieldsAndRunLengths) {
  // 16-bit 5-6-5 with masks after the header.
  Result<Bitmap> fields = DecodeBmp(testing::MakeBmpFile(
      testing::MakeDib(1, 1, 16, {"\xE0\x07"}, {}, 1, {}, 3, {0xF800, 0x07E0, 0x001F}), 12));
  ASSERT_TRUE(fields.ok());
  EXPECT_EQ(fields.value().PixelAt(0, 0), 0xFF00FF00u);
  // RLE8: a run of 3 of index 1, end of line, 3 literal indexes, end of bitmap.
  std::string rle("\x03\x01\x00\x00\x00\x03\x02\x03\x01\x00\x00\x01", 12);
  std::string dib = testing::MakeDib(3, 2, 8, RowsOf(2, ""), {0, 0xFF0000, 0x00FF00, 0x0000FF}, 1, {}, 1);
  dib.resize(40 + 16);
  dib += rle;
  Result<Bitmap> runs = DecodeBmp(testing::MakeBmpFile(dib, 16));
  ASSERT_TRUE(runs.ok());
  EXPECT_EQ(runs.value().PixelAt(2, 1) & 0xFFFFFF, 0xFF0000u);  // first stored row is the bottom
  EXPECT_EQ(runs.value().PixelAt(0, 0) & 0xFFFFFF, 0x00FF00u);
  EXPECT_EQ(runs.value().PixelAt(2, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST(BmpReaderTest, TruncatedAndHostileFilesNeverReadOutside) {
  std::string file = testing::MakeBmpFile(testing::MakeDib(4, 4, 24, RowsOf(4, std::string(12, '\x7F'))), 0);
  Result<Bitmap> cut = DecodeBmp(file.substr(0, file.size() - 20));
  ASSERT_TRUE(cut.ok());
  EXPECT_EQ(cut.value().PixelAt(0, 3) & 0xFFFFFF, 0x7F7F7Fu);  // bottom rows come first
  EXPECT_EQ(cut.value().PixelAt(0, 0) & 0xFFFFFF, 0u);
  EXPECT_FALSE(DecodeBmp("").ok());
  EXPECT_FALSE(DecodeBmp("BM").ok());
  std::string huge = file;
  huge.replace(14 + 4, 8, std::string("\xFF\xFF\x00\x00\xFF\xFF\x00\x00", 8));
  EXPECT_FALSE(DecodeBmp(huge).ok());
  std::string badDepth = file;
  badDepth[14 + 14] = 7;
  EXPECT_FALSE(DecodeBmp(badDepth).ok());
}

TEST(IconReaderTest, UsesOnlyTheFirstEntryAndItsMask) {
  // 2 x 2, 24-bit, the top-left pixel masked out.
  const std::string dib = testing::MakeDib(2, 2, 24, RowsOf(2, std::string("\x00\x00\xFF\x00\x00\xFF", 6)), {}, 2,
                                           {std::string("\x80", 1), std::string("\x00", 1)});
  Result<IconImage> icon = LoadIconFile(testing::MakeIco(dib, 2, 2, 2));
  ASSERT_TRUE(icon.ok());
  EXPECT_EQ(icon.value().width, 2);
  EXPECT_EQ(icon.value().height, 2);
  EXPECT_EQ(icon.value().bitDepth, 24);
  EXPECT_EQ(icon.value().bitmap.PixelAt(0, 0) >> 24, 0u);
  EXPECT_EQ(icon.value().bitmap.PixelAt(1, 0), 0xFFFF0000u);
}

TEST(IconReaderTest, ThirtyTwoBitIconKeepsItsAlpha) {
  const std::string dib = testing::MakeDib(1, 1, 32, {std::string("\x10\x20\x30\x80", 4)}, {}, 2);
  Result<IconImage> icon = LoadIconFile(testing::MakeIco(dib, 1, 1));
  ASSERT_TRUE(icon.ok());
  EXPECT_EQ(icon.value().bitDepth, 32);
  EXPECT_EQ(icon.value().bitmap.PixelAt(0, 0), 0x80302010u);
}

TEST(IconReaderTest, ReadsPngImagesOfModernIcons) {
  testing::PngOptions options;
  options.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  const std::string png = testing::WritePng(256, 256, options, [](int x, int, int c) { return c == 3 ? (x < 128 ? 0 : 255) : 200; });
  Result<IconImage> icon = LoadIconFile(testing::MakeIco(png, 256, 256));
  ASSERT_TRUE(icon.ok());
  EXPECT_EQ(icon.value().width, 256);
  EXPECT_EQ(icon.value().bitDepth, 32);
  EXPECT_EQ(icon.value().bitmap.PixelAt(0, 0) >> 24, 0u);
  EXPECT_EQ(icon.value().bitmap.PixelAt(200, 0) >> 24, 255u);
}

TEST(IconReaderTest, DamagedDirectoriesGiveNothing) {
  EXPECT_FALSE(LoadIconFile("").ok());
  std::string ico = testing::MakeIco(testing::MakeDib(1, 1, 24, {"abc"}, {}, 2), 1, 1);
  std::string farOffset = ico;
  farOffset[6 + 12] = '\x7F';
  farOffset[6 + 15] = '\x7F';
  EXPECT_FALSE(LoadIconFile(farOffset).ok());
  EXPECT_FALSE(LoadIconFile(ico.substr(0, 30)).ok());
}

TEST(GifReaderTest, ProbeReadsSizeAndTransparentColour) {
  const std::string gif = testing::MakeGif(3, 2, {0x112233, 0x445566, 0x778899, 0xAABBCC}, {0, 1, 2, 3, 0, 1}, 2);
  const GifProbe probe = ProbeGif(gif);
  EXPECT_TRUE(probe.isGif);
  EXPECT_EQ(probe.width, 3);
  EXPECT_EQ(probe.height, 2);
  ASSERT_TRUE(probe.transparentColour.has_value());
  EXPECT_EQ(*probe.transparentColour, 0x998877u);  // 0x00BBGGRR of 0x778899
  EXPECT_FALSE(ProbeGif(testing::WriteJpeg(8, 8)).isGif);
  EXPECT_FALSE(ProbeGif("GIF8").isGif);
}

TEST(GifReaderTest, FirstFrameKeepsTransparencyOnTheLogicalScreen) {
  const std::string gif = testing::MakeGif(4, 3, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, {0, 1, 2, 3}, 2,
                                           1, 1, 2, 2);
  Result<Bitmap> frame = DecodeGifFirstFrame(gif);
  ASSERT_TRUE(frame.ok());
  EXPECT_EQ(frame.value().width(), 4);
  EXPECT_EQ(frame.value().height(), 3);
  EXPECT_TRUE(frame.value().hasAlpha());
  EXPECT_EQ(frame.value().PixelAt(0, 0) >> 24, 0u);           // outside the frame
  EXPECT_EQ(frame.value().PixelAt(1, 1), 0xFFFF0000u);        // index 0
  EXPECT_EQ(frame.value().PixelAt(2, 1), 0xFF00FF00u);        // index 1
  EXPECT_EQ(frame.value().PixelAt(1, 2) >> 24, 0u);           // index 2 is transparent
  EXPECT_EQ(frame.value().PixelAt(2, 2), 0xFFFFFFFFu);
}

TEST(GifReaderTest, CutOrForeignDataNeverCrashes) {
  const std::string gif = testing::MakeGif(2, 2, {0xFF0000, 0x00FF00}, {0, 1, 1, 0});
  for (size_t n = 0; n < gif.size(); ++n) (void)DecodeGifFirstFrame(gif.substr(0, n));
  EXPECT_FALSE(DecodeGifFirstFrame(testing::WriteJpeg(4, 4)).ok());
}

}  // namespace
}  // namespace lumidex
