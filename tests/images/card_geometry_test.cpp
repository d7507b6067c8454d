#include "images/card_geometry.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(CardGeometryTest, ShortViewGivesANarrowerCardAtTheLeft) {
  const CardGeometry g = CardGeometryFor(400, 300);
  EXPECT_EQ(g.card(), (PixelRect{10, 10, 375, 280}));
  ASSERT_TRUE(g.hasPictureBox);
  EXPECT_EQ(g.pictureBox, (PixelRect{16, 16, 363, 268}));
}

TEST(CardGeometryTest, TallViewCentresAFourByThreeCard) {
  const CardGeometry g = CardGeometryFor(400, 600);
  EXPECT_EQ(g.cw, 380);
  EXPECT_EQ(g.ch, 380 - 380 / 4);
  EXPECT_EQ(g.y0, 300 - g.ch / 2);
  EXPECT_EQ(g.pictureBox, (PixelRect{g.x0 + 6, g.y0 + 6, g.cw - 12, g.ch - 12}));
}

TEST(CardGeometryTest, ViewWithoutRoomForAPictureHasNoBox) {
  for (const auto& [w, h] :
       {std::pair{400, 0}, std::pair{400, 32}, std::pair{25, 300}, std::pair{0, 0}}) {
    const CardGeometry g = CardGeometryFor(w, h);
    EXPECT_FALSE(g.hasPictureBox) << w << " x " << h;
    EXPECT_EQ(g.pictureBox, PixelRect{});
  }
  EXPECT_TRUE(CardGeometryFor(400, 33).hasPictureBox);  // a box of one pixel row
}

}  // namespace
}  // namespace lumidex
