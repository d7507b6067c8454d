#include "images/card_geometry.h"

#include <algorithm>

namespace lumidex {
namespace {

constexpr int kSideMargin = 10;    // around the card, left, right and at least top and bottom
constexpr int kPictureMargin = 6;  // between the card's edge and the picture box

}  // namespace

CardGeometry CardGeometryFor(int viewWidth, int viewHeight) {
  CardGeometry g;
  g.cw = viewWidth - 2 * kSideMargin;
  g.ch = g.cw - (g.cw >> 2);
  g.x0 = kSideMargin;
  g.y0 = std::max((viewHeight >> 1) - (g.ch >> 1), kSideMargin);
  const int excess = g.y0 + g.ch + kSideMargin - viewHeight;
  if (excess > 0) {
    g.ch -= excess;
    g.cw -= excess;
  }
  const PixelRect box{g.x0 + kPictureMargin, g.y0 + kPictureMargin, g.cw - 2 * kPictureMargin,
                      g.ch - 2 * kPictureMargin};
  g.hasPictureBox = box.width >= 1 && box.height >= 1;
  if (g.hasPictureBox) g.pictureBox = box;
  return g;
}

}  // namespace lumidex
