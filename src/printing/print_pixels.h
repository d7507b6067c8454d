#pragma once

#include "images/bitmap.h"
#include "printing/cell_placement.h"

namespace lumidex {

// The width x height window at (left, top) of `source`, clipped to it; empty
// when nothing of it lies inside.
Bitmap CropBitmap(const Bitmap& source, int left, int top, int width, int height);

// Every pixel turned to its grey level Y = (R x 2989 + G x 5866 + B x 1144)
// / 10000, rounded to the nearest (so white stays 255 and black 0), in all
// three channels: how a monochrome printer's sheet looks.
void ToGrey(Bitmap& bitmap);

}  // namespace lumidex
