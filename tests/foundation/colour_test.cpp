#include "foundation/colour.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(BlendTest, ShiftRoundsTowardsMinusInfinity) {
  // (0x9A - 0xFF) * 180 = -18180; >> 8 gives -72, so 0xFF - 72 = 0xB7.
  EXPECT_EQ(Blend(RgbColour(0x9A, 0x9A, 0x9A), kWhite, 180), RgbColour(0xB7, 0xB7, 0xB7));
}

TEST(BlendTest, MixesEachChannelOnItsOwn) {
  const Colour a = FromRgbHex(0xFFDDDD);  // Sunday background
  const Colour mixed = Blend(a, kWhite, 60);
  EXPECT_EQ(RedOf(mixed), 0xFF);
  EXPECT_EQ(GreenOf(mixed), 0xFF + (((0xDD - 0xFF) * 60) >> 8));
  EXPECT_EQ(BlueOf(mixed), 0xFF + (((0xDD - 0xFF) * 60) >> 8));
}

TEST(BlendTest, WeightZeroKeepsTheBaseAnd256TakesTheOther) {
  const Colour a = FromRgbHex(0x123456);
  const Colour b = FromRgbHex(0xABCDEF);
  EXPECT_EQ(Blend(a, b, 0), b);
  EXPECT_EQ(Blend(a, b, 256), a);
}

TEST(ColourTest, HexTextOrderIsRedFirstButStoredRedLow) {
  EXPECT_EQ(FromRgbHex(0x00509F), 0x009F5000u);
  EXPECT_EQ(RedOf(FromRgbHex(0xFF0000)), 0xFF);
  EXPECT_EQ(BlueOf(FromRgbHex(0x0000FF)), 0xFF);
}

}  // namespace
}  // namespace lumidex
