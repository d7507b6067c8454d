#pragma once

#include "foundation/colour.h"
#include "images/bitmap.h"

namespace lumidex {

// How a picture item is turned (RotateItemPicture). A value type.
struct PictureRotation {
  // Rotation step of the item, two degrees each; 0 or below leaves the
  // picture as it is (a target of the picture's own size).
  int rotation = 0;
  // "imgshadow": the bevel is drawn on the picture before it is turned.
  bool bevel = false;
  // The item's edge correction: with the bevel, the picture is drawn one
  // pixel inside the working bitmap, so the bevel does not touch the edge.
  bool edgeFix = false;
  // While a page is printed the background is white instead of grey.
  bool printing = false;
  // What the working bitmap is filled with before the picture is drawn into
  // it, and the corners of the bevel.
  Colour pageColour = kWhite;
};

// The grey the corners of a turned picture keep: 240, or 255 while
// printing. No picture pixel of a turned picture has exactly this value in
// all three channels (it becomes one less), so the corners alone can be
// shown transparent.
int RotationGreyLevel(bool printing);

// The size of the bitmap a baseWidth x baseHeight picture turns into: the
// bounding box trunc(|w cos a| + |h sin a| + 0.5) x trunc(|w sin a| +
// |h cos a| + 0.5), with a = 2 x rotation degrees taken as 3.14 / 180 per
// degree (so a quarter turn of 200 x 100 is 100 x 200 only up to that
// rounding).
struct RotatedSize {
  int width = 0;
  int height = 0;
};
RotatedSize RotatedPictureSize(int baseWidth, int baseHeight, int rotation);

// Turns `picture` clockwise on screen by the rotation's angle: the picture
// is stretched to baseWidth x baseHeight (inside the edge correction's
// inset) on the page colour, then every pixel of the bounding box
// (RotatedPictureSize) is sampled back from it in 16.16 fixed point with
// bilinear weights; samples whose neighbours fall beyond the last row or
// column take them from the opposite edge, and pixels outside the picture
// keep the grey level. An empty bitmap when `picture` is empty or a size is
// below 1 or not allowed. Pure; thread-safe.
Bitmap RotateItemPicture(const Bitmap& picture, int baseWidth, int baseHeight,
                         const PictureRotation& rotation);

}  // namespace lumidex
