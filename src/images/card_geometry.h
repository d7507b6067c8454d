#pragma once

namespace lumidex {

// A rectangle of pixels: x, y of its top-left pixel, width x height.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// Where the picture view puts its card in a view of W x H pixels: a white
// 4:3 card of cw x ch at (x0, y0) that holds the picture in a box 6 pixels
// inside its edges. A value type, worked out afresh at every drawing.
struct CardGeometry {
  int x0 = 0;
  int y0 = 0;
  int cw = 0;
  int ch = 0;
  // False when the box would have no pixels (a view a few pixels high or
  // wide): then neither card nor picture is drawn, only the background and
  // the close mark, so nothing is ever fitted into or drawn at a negative
  // size.
  bool hasPictureBox = false;
  PixelRect pictureBox;  // (cw - 12) x (ch - 12) at (x0 + 6, y0 + 6)

  PixelRect card() const { return {x0, y0, cw, ch}; }
  bool operator==(const CardGeometry&) const = default;
};

// The card of a W x H view. cw = W - 20 and ch = cw - (cw >> 2), at x0 = 10
// and y0 = (H >> 1) - (ch >> 1) but at least 10; when the card then comes
// closer than 10 pixels to the bottom, the excess e is taken from both ch
// and cw (the same pixels from each, so a short view gives a narrower card
// that stays at the left). A 400 x 300 view gives a 375 x 280 card at
// (10, 10) and a 363 x 268 box at (16, 16).
CardGeometry CardGeometryFor(int viewWidth, int viewHeight);

}  // namespace lumidex
