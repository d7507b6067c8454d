#include "mainwindow/colour_scheme.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lumidex {
namespace {

struct SampledRow {
  int scheme;
  int row;
  std::uint32_t rrggbb;
};

// One sampled row from each column of the design table, across the schemes.
const SampledRow kSampled[] = {
    {0, 2, 0xC2C2C2},  {0, 26, 0x383838}, {0, 42, 0x6A6A6A}, {1, 2, 0xAEBCDB},  {1, 10, 0x7F95BA},
    {1, 28, 0x172F58}, {1, 39, 0x374CA0}, {2, 6, 0x958DC7},  {2, 35, 0x3F2E78}, {2, 37, 0x483187},
    {3, 16, 0x9E678E}, {3, 28, 0x5A1946}, {3, 42, 0xC0477F}, {4, 2, 0xAFDCB2},  {4, 10, 0x80BB80},
    {4, 16, 0x679C67}, {4, 26, 0x195A19}, {4, 39, 0x37A249},
};

TEST(ColourSchemeTest, StripsPassThroughTheSampledRows) {
  for (const SampledRow& s : kSampled) {
    EXPECT_EQ(ColourSchemeFor(s.scheme).Row(s.row), FromRgbHex(s.rrggbb))
        << "scheme " << s.scheme << " row " << s.row;
  }
}

TEST(ColourSchemeTest, LightAndButtonColoursFollowTheTable) {
  EXPECT_EQ(ColourSchemeFor(0).light, FromRgbHex(0xEAEAEA));
  EXPECT_EQ(ColourSchemeFor(1).button, FromRgbHex(0x000080));
  EXPECT_EQ(ColourSchemeFor(2).button, FromRgbHex(0x400080));
  EXPECT_EQ(ColourSchemeFor(3).light, FromRgbHex(0xFFEEFB));
  EXPECT_EQ(ColourSchemeFor(4).light, FromRgbHex(0xD9FFD9));
}

TEST(ColourSchemeTest, RowsBetweenSamplesLieBetweenTheirNeighbours) {
  // Row 4 lies between rows 2 and 6, row 13 between 10 and 16, row 32
  // between 28 and 35: each channel within the range of the two samples.
  const ColourScheme& navy = ColourSchemeFor(1);
  const int pairs[][3] = {{4, 2, 6}, {13, 10, 16}, {32, 28, 35}, {41, 39, 42}};
  for (const auto& p : pairs) {
    for (auto channel : {RedOf, GreenOf, BlueOf}) {
      const int v = channel(navy.Row(p[0])), a = channel(navy.Row(p[1])), b = channel(navy.Row(p[2]));
      EXPECT_GE(v, std::min(a, b)) << "row " << p[0];
      EXPECT_LE(v, std::max(a, b)) << "row " << p[0];
    }
  }
  // Strictly between: row 4 is neither neighbour.
  EXPECT_NE(navy.Row(4), navy.Row(2));
  EXPECT_NE(navy.Row(4), navy.Row(6));
}

TEST(ColourSchemeTest, StripHasADarkTopADarkBandAndFallsToAMiddleTone) {
  for (int n = 0; n < kSchemeCount; ++n) {
    const ColourScheme& s = ColourSchemeFor(n);
    auto brightness = [&](int row) { return RedOf(s.Row(row)) + GreenOf(s.Row(row)) + BlueOf(s.Row(row)); };
    EXPECT_LT(brightness(0), brightness(2)) << n;
    EXPECT_LT(brightness(1), brightness(2)) << n;
    for (int y = 3; y <= 24; ++y) EXPECT_LE(brightness(y), brightness(y - 1)) << n << " row " << y;
    for (int y = 25; y <= 30; ++y) EXPECT_LT(brightness(y), brightness(24)) << n << " row " << y;
    for (int y = 31; y <= 42; ++y) EXPECT_GE(brightness(y), brightness(y - 1)) << n << " row " << y;
  }
}

TEST(ColourSchemeTest, DerivedColoursComeFromTheirRows) {
  const ColourScheme& gray = ColourSchemeFor(0);
  EXPECT_EQ(gray.tabColour(), FromRgbHex(0xC2C2C2));
  EXPECT_EQ(gray.accentColour(), FromRgbHex(0x9A9A9A));
  EXPECT_EQ(gray.band(0), FromRgbHex(0xA7A7A7));
  EXPECT_EQ(gray.band(1), FromRgbHex(0x7F7F7F));
  EXPECT_EQ(gray.band(2), FromRgbHex(0x383838));
  // 0x9A over white at 180: 0xFF + ((0x9A - 0xFF) * 180 >> 8) = 0xFF - 72.
  EXPECT_EQ(gray.paleAccent(), FromRgbHex(0xB7B7B7));
  // 0x7F over white at 60: 0xFF + ((-128 * 60) >> 8) = 0xFF - 30 = 0xE1.
  EXPECT_EQ(gray.paleBand(), FromRgbHex(0xE1E1E1));
  // 0x9A over white at 120: (-101 * 120) >> 8 = -48 (floor of -47.3).
  EXPECT_EQ(gray.versionBoxColour(), FromRgbHex(0xCFCFCF));
}

TEST(ColourSchemeTest, PaleAccentMixesEveryChannelSeparately) {
  // Navy accent #7F95BA: red 0x7F -> 0xFF + ((-128*180)>>8) = 0xFF - 90 = 0xA5;
  // green 0x95 -> (-106*180)>>8 = -75 (floor of -74.5) -> 0xB4;
  // blue 0xBA -> (-69*180)>>8 = -49 (floor of -48.5) -> 0xCE.
  EXPECT_EQ(ColourSchemeFor(1).paleAccent(), FromRgbHex(0xA5B4CE));
}

TEST(ColourSchemeTest, OutOfRangeSchemeNumberFallsBackToNavy) {
  EXPECT_EQ(EffectiveSchemeNumber(5), kDefaultScheme);
  EXPECT_EQ(EffectiveSchemeNumber(-1), kDefaultScheme);
  EXPECT_EQ(EffectiveSchemeNumber(3), 3);
  EXPECT_EQ(ColourSchemeFor(99).Row(2), ColourSchemeFor(1).Row(2));
}

TEST(ColourSchemeTest, SchemesAreNamedForTheOptionDialog) {
  EXPECT_EQ(SchemeName(0), "Gray");
  EXPECT_EQ(SchemeName(3), "Wine Red");
  EXPECT_EQ(SchemeName(4), "Green");
}

}  // namespace
}  // namespace lumidex
