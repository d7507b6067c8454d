#pragma once

#include <cstdint>

#include "images/bitmap.h"

namespace lumidex {

// Blends every pixel of `bitmap` over the plain colour `colour` (0x00BBGGRR)
// by its alpha a: channel = k + (((channel - k) * a) >> 8), where k is the
// colour's byte of the same channel (blue over blue, red over red). A fully
// opaque pixel moves at most one step towards the colour. Alpha bytes stay;
// hasAlpha() becomes false, as the result is meant to be drawn opaque.
// Nothing happens to a bitmap without alpha or an empty one.
void CompositeOverColour(Bitmap& bitmap, uint32_t colour);

// Every pixel whose alpha is 0 becomes `colour`, every other one keeps its
// colour; the result is opaque. This is how an icon is drawn through its
// one-bit mask.
void ApplyMaskOverColour(Bitmap& bitmap, uint32_t colour);

}  // namespace lumidex
