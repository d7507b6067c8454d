#pragma once

#include "freelayout/free_layout_item.h"

namespace lumidex {

// Conversions between the layout units items are stored in (kLayoutUnitsWide
// x kLayoutUnitsHigh) and the pixels of a canvas of `width` x `height`. The
// factor W x (1/730) (H x (1/364) for y) is formed first in double precision;
// the product or quotient is then truncated toward zero. So converting a
// pixel value to units and back snaps it to the unit grid, and converting
// units to pixels and back need not give the units again (a 365-pixel-high
// canvas shows y 80 at pixel 80, which reads back as 79): see
// ApplyPixelRect for how an edit keeps what it did not change.
// A canvas of no pixels converts everything to 0. Value type.
class LayoutScale {
 public:
  LayoutScale(int width, int height);

  int UnitsToPixelsX(int units) const;
  int UnitsToPixelsY(int units) const;
  int PixelsToUnitsX(int pixels) const;
  int PixelsToUnitsY(int pixels) const;

  int width() const { return width_; }
  int height() const { return height_; }

 private:
  int width_;
  int height_;
  double factorX_;  // pixels per unit across
  double factorY_;  // pixels per unit down
};

// Where an item shows on a canvas, in pixels: left and top edge and the
// unrotated size (a rotated picture's bounding box is the renderer's).
struct CanvasRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

// The pixel rectangle of `item`'s stored units.
CanvasRect ItemPixelRect(const FreeLayoutItem& item, const LayoutScale& scale);

// Takes the pixel rectangle the view now shows for `item` after an edit
// (a move, a resize, a drawing that fitted the picture). Each of x, y, width
// and height whose pixel value differs from the one its units show becomes
// the units of the new pixel value; every other field keeps its units, so an
// item that is loaded, shown and saved again never creeps across the canvas.
// baseWidth and baseHeight take the rectangle's size.
void ApplyPixelRect(FreeLayoutItem& item, const CanvasRect& rect, const LayoutScale& scale);

}  // namespace lumidex
