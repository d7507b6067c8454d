#pragma once

#include "images/bitmap.h"

namespace lumidex {

// Plain stretch: each target pixel is the source pixel under its centre.
// Returns an empty bitmap when the source is empty or the target size is not
// allowed. The result keeps the source's hasAlpha().
Bitmap ScaleNearest(const Bitmap& source, int width, int height);

// High-quality scaling: when shrinking, each target pixel is the mean of the
// source area it covers (fractional edge pixels weighted by their share);
// when enlarging along an axis, the nearest source pixel is taken along it.
// Empty result as for ScaleNearest.
Bitmap ScaleAreaAverage(const Bitmap& source, int width, int height);

}  // namespace lumidex
