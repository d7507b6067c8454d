#pragma once

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
// signature, or a size beyond kMaxBitmapPixels gives an Error. Never ends the
// process; thread-safe.
Result<Bitmap> DecodePng(std::string_view bytes);

// True when `bytes` begin with the eight-byte PNG signature.
bool HasPngSignature(std::string_view bytes);

}  // namespace lumidex
