#pragma once

#include <cstdint>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

// Decodes the PNG in `bytes` into a bitmap. Every colour type and depth is
// read: palettes and grey depths below 8 bits are expanded, 16-bit samples
// stripped to 8, grey turned into RGB. The result has alpha (hasAlpha())
// when the picture has an alpha channel or a transparency chunk; otherwise it
// is opaque. With a gAMA chunk the samples are corrected for a display gamma
// of 2.2. A library error after the rows started keeps the rows decoded so
// far (the rest stays transparent black); an error before that, a wrong
// signature, a size beyond kMaxBitmapPixels, or a decode that would take
// more than kMaxDecodeBytes (PngDecodeBytes) gives an Error. Never ends the
// process; thread-safe.
Result<Bitmap> DecodePng(std::string_view bytes);

// The memory DecodePng takes for the size the header of `bytes` declares:
// the bitmap plus libpng's row buffers. 0 when `bytes` do not begin with a
// PNG header. Reads only the first 24 bytes.
int64_t PngDecodeBytes(std::string_view bytes);

// True when `bytes` begin with the eight-byte PNG signature.
bool HasPngSignature(std::string_view bytes);

}  // namespace lumidex
