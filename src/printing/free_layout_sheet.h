#pragma once

namespace lumidex {

// Where a free layout tab lands on a printed sheet of width x height device
// pixels: the tab area is `height` = trunc(width x 0.49) high (the tab's
// 730 x 364 shape), at `left` = the width of "__" and `top` by the vertical
// alignment (0 top: two lines down; 1 centre; 2 bottom: two lines up),
// with `lineHeight` the height of "H" in the printer's font.
struct FreeLayoutSheet {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const FreeLayoutSheet&) const = default;
};
FreeLayoutSheet PlaceFreeLayoutSheet(int width, int height, int indent, int lineHeight,
                                     int verticalAlign);

}  // namespace lumidex
