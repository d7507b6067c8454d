#pragma once

#include <functional>

#include "images/bitmap.h"

namespace lumidex {

// The blur levels the view offers.
inline constexpr int kMinBlurLevel = 1;
inline constexpr int kMaxBlurLevel = 4;

// Called with the rows done so far and the row count, on every even row.
using BlurProgress = std::function<void(int done, int total)>;

// Smooths `bitmap` in place: row by row from the top, pixel by pixel from
// the left, each colour byte (blue, green, red) becomes the truncated mean
// of that byte over the (2 * level + 1)^2 square around the pixel, counting
// only pixels inside the bitmap. Each result is written at once, so pixels
// above and to the left are read already blurred: the result differs from
// a blur into a separate bitmap, and exactly this in-place result is the
// contract. Alpha bytes are left alone and hasAlpha() becomes false (the
// bitmap counts as 24-bit). Works on running column sums, so the cost does
// not grow with the level. `level` is kept within 1..4.
void Blur(Bitmap& bitmap, int level, const BlurProgress& progress = {});

}  // namespace lumidex
