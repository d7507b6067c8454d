#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/colour.h"

namespace lumidex {

// A view of 32-bit pixels, each the bytes blue, green, red, alpha, rows top
// to bottom `stride` bytes apart. Does not own the pixels.
struct BgraPixels {
  std::uint8_t* data = nullptr;
  int width = 0;
  int height = 0;
  std::size_t stride = 0;

  std::uint8_t* row(int y) const { return data + stride * static_cast<std::size_t>(y); }
};

// Every pixel p becomes c + ((p - c) * w) >> 8 per red, green and blue
// channel (flooring shift), keeping w/256 of the picture over colour `c`.
// Alpha is left alone. REQUIRES: 0 <= w <= 256.
void Fade(const BgraPixels& picture, Colour c, int w);

// The near-white border of a cover, replaced by the cell colour: in every
// row, the run of pixels from the left edge whose red, green and blue are
// all 237 or more becomes `fill`; when that run did not reach the right
// edge, the run from the right edge that passes the same test becomes `fill`
// too. Alpha is left alone.
void ReplaceWhiteEdges(const BgraPixels& picture, Colour fill);

}  // namespace lumidex
