#pragma once

namespace lumidex {

// Where a picture goes inside a box: its drawn size and the offsets that
// centre it.
struct FittedBox {
  int width = 0;
  int height = 0;
  int left = 0;
  int top = 0;
  bool operator==(const FittedBox&) const = default;
};

// Fits an image into a box in 16.16 fixed point. Landscape and square images
// follow the width ratio, portrait ones the height ratio; a side that then
// overshoots the box is cut, taking the same number of pixels from both
// sides. Without `enlarge` an image strictly smaller than the box in both
// directions keeps its size and is centred. Image sides below 1 count as 1.
// Every side of the result is at least 1 (a 4000 x 20 strip in 170 x 128
// is 169 x 1, never 169 x 0, so an encoder always gets a real picture).
// REQUIRES: box sides >= 1.
FittedBox FitToBox(int boxWidth, int boxHeight, bool enlarge, int imageWidth, int imageHeight);

}  // namespace lumidex
