// The best-speed 1/8 decode of JPEGs (the list thumbnails' decode) against
// libjpeg's own reduced decode of the same files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "image_fixtures.h"
#include "images/jpeg_codec.h"

namespace lumidex {
namespace {

struct Layout {
  const char* name;
  int components;  // 1 grey, 3 YCbCr
  int lumaH, lumaV;
  unsigned restartMcus;
};

// Quality 90 with the given sampling and restart interval.
std::string Encode(int width, int height, const Layout& layout, const testing::PixelFn& pixel) {
  const auto kind = layout.components == 1 ? testing::JpegKind::kGrey : testing::JpegKind::kBaseline;
  return testing::WriteJpeg(width, height, kind, pixel, 90, [&](jpeg_compress_struct& cinfo) {
    cinfo.comp_info[0].h_samp_factor = layout.lumaH;
    cinfo.comp_info[0].v_samp_factor = layout.lumaV;
    cinfo.restart_interval = layout.restartMcus;
  });
}

uint32_t Hash(uint32_t v) {
  v ^= v >> 16;
  v *= 0x7feb352dU;
  v ^= v >> 15;
  v *= 0x846ca68bU;
  return v ^ (v >> 16);
}

// Every 16 x 16 square one colour: no AC coefficient anywhere, so a decode
// from the DC coefficients alone must equal libjpeg's exactly.
uint32_t Squares(int x, int y) { return Hash(static_cast<uint32_t>((x / 16) * 7919 + y / 16)) & 0xFFFFFF; }

// A smooth picture with grain, as a photograph has.
uint32_t Photo(int x, int y) {
  const uint32_t grain = Hash(static_cast<uint32_t>(x * 131 + y * 977)) & 31;
  const uint32_t r = (x * 2 / 5 + grain) & 0xFF, g = (y / 2 + grain) & 0xFF, b = ((x + y) / 5 + grain) & 0xFF;
  return r << 16 | g << 8 | b;
}

JpegDecodeOptions Thumbnail(bool reference = false) {
  JpegDecodeOptions options;
  options.coverWidth = 20;
  options.coverHeight = 12;
  options.fast = true;
  // Strict decodes of undamaged files are libjpeg's own, at the same scale.
  options.strict = reference;
  return options;
}

double Psnr(const Bitmap& a, const Bitmap& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width() * 4; ++x) {
      if (x % 4 == 3) continue;
      const double d = double(a.row(y)[x]) - b.row(y)[x];
      sum += d * d;
    }
  }
  const double mse = sum / (3.0 * a.width() * a.height());
  return mse == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mse);
}

const Layout kLayouts[] = {
    {"4:2:0", 3, 2, 2, 0}, {"4:2:0 restarts", 3, 2, 2, 3}, {"4:2:2", 3, 2, 1, 0},
    {"4:4:0 restarts", 3, 1, 2, 1}, {"4:4:4", 3, 1, 1, 5}, {"grey", 1, 1, 1, 0},
    {"grey restarts", 1, 1, 1, 7},
};

TEST(JpegEighthTest, EqualsTheGeneralDecodeWhereOnlyDcCoefficientsExist) {
  // Odd sizes leave partial blocks and MCUs at the right and bottom edges.
  for (const Layout& layout : kLayouts) {
    // Chroma halved both ways is spread smoothly over the squares' edges;
    // grey squares keep it the same everywhere.
    const bool halvedBothWays = layout.components == 3 && layout.lumaH == 2 && layout.lumaV == 2;
    const std::string jpeg = Encode(203, 117, layout, [&](int x, int y) {
      const uint32_t c = Squares(x, y);
      return halvedBothWays ? (c & 0xFF) * 0x010101 : c;
    });
    Result<Bitmap> fast = DecodeJpeg(jpeg, Thumbnail());
    Result<Bitmap> reference = DecodeJpeg(jpeg, Thumbnail(true));
    ASSERT_TRUE(fast.ok() && reference.ok()) << layout.name;
    ASSERT_EQ(fast.value().width(), 26) << layout.name;
    ASSERT_EQ(fast.value().height(), 15) << layout.name;
    ASSERT_EQ(reference.value().width(), 26) << layout.name;
    EXPECT_FALSE(fast.value().hasAlpha());
    for (int y = 0; y < 15; ++y) {
      ASSERT_EQ(std::memcmp(fast.value().row(y), reference.value().row(y), 26 * 4), 0)
          << layout.name << " row " << y;
    }
  }
}

TEST(JpegEighthTest, PhotographStaysCloseToTheGeneralDecode) {
  for (const Layout& layout : kLayouts) {
    const std::string jpeg = Encode(640, 480, layout, Photo);
    Result<Bitmap> fast = DecodeJpeg(jpeg, Thumbnail());
    Result<Bitmap> reference = DecodeJpeg(jpeg, Thumbnail(true));
    ASSERT_TRUE(fast.ok() && reference.ok()) << layout.name;
    ASSERT_EQ(fast.value().width(), reference.value().width());
    ASSERT_EQ(fast.value().height(), reference.value().height());
    EXPECT_GT(Psnr(fast.value(), reference.value()), 35.0) << layout.name;
  }
}

TEST(JpegEighthTest, FilesItDoesNotCoverDecodeAsTheGeneralDecoderDoes) {
  const Layout plain{"4:2:0", 3, 2, 2, 0};
  const Layout restarts{"4:2:0 restarts", 3, 2, 2, 2};
  const std::string whole = Encode(320, 240, plain, Photo);
  const std::string withRestarts = Encode(320, 240, restarts, Photo);
  // A restart marker out of its turn.
  std::string misplaced = withRestarts;
  const size_t marker = misplaced.find("\xFF\xD1");
  ASSERT_NE(marker, std::string::npos);
  misplaced[marker + 1] = '\xD5';
  std::string garbled = whole;
  for (size_t i = garbled.size() / 2; i < garbled.size() / 2 + 64; ++i) garbled[i] = '\xFF';
  garbled[garbled.size() / 2 + 64] = 0;
  const std::string cases[] = {
      whole.substr(0, whole.size() / 2),                               // ends early
      garbled,                                                         // damaged codes
      misplaced,
      testing::WriteJpeg(320, 240, testing::JpegKind::kProgressive, Photo),
      testing::WriteJpeg(320, 240, testing::JpegKind::kCmyk, Photo),
  };
  // At 1/8 of a 4:2:0 file libjpeg's best-speed and normal decodes agree,
  // so the normal one is the reference for damaged files too.
  JpegDecodeOptions normal = Thumbnail();
  normal.fast = false;
  for (size_t i = 0; i < std::size(cases); ++i) {
    Result<Bitmap> fast = DecodeJpeg(cases[i], Thumbnail());
    Result<Bitmap> reference = DecodeJpeg(cases[i], normal);
    ASSERT_EQ(fast.ok(), reference.ok()) << i;
    if (!fast.ok()) continue;
    ASSERT_EQ(fast.value().width(), reference.value().width()) << i;
    ASSERT_EQ(fast.value().height(), reference.value().height()) << i;
    for (int y = 0; y < fast.value().height(); ++y) {
      ASSERT_EQ(std::memcmp(fast.value().row(y), reference.value().row(y), fast.value().stride()), 0)
          << "case " << i << " row " << y;
    }
  }
  // The file that ends early keeps the rows it holds.
  Result<Bitmap> half = DecodeJpeg(cases[0], Thumbnail());
  Result<Bitmap> full = DecodeJpeg(whole, Thumbnail(true));
  ASSERT_TRUE(half.ok() && full.ok());
  EXPECT_EQ(std::memcmp(half.value().row(1), full.value().row(1), full.value().stride()), 0);
}

}  // namespace
}  // namespace lumidex
