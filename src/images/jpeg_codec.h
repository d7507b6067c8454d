#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"
#include "images/decode_memory.h"

namespace lumidex {

// How to decode a JPEG.
struct JpegDecodeOptions {
  // When both are above 0, the picture is decoded at the smallest of the
  // scales 1/8, 2/8, ... 8/8 whose output still covers coverWidth x
  // coverHeight, so a camera picture for a small thumbnail never needs a
  // full-size decode.
  int coverWidth = 0;
  int coverHeight = 0;
  // Best speed: fast integer inverse DCT and no fancy upsampling.
  bool fast = false;
  // Refuse data that needed repair (a premature end, corrupt entropy data)
  // instead of keeping what was decoded: for checking stored thumbnails.
  bool strict = false;
  // The most memory the decode may take (bitmap and decoder buffers); a
  // picture that needs more is refused before anything is allocated. Only
  // a view that shows one picture at its own size raises it.
  int64_t maxBytes = kMaxDecodeBytes;
};

// The size a JPEG header declares, without decoding.
struct JpegSize {
  int width = 0;
  int height = 0;
};

// Reads the header of the JPEG in `bytes`. Error when it is not a JPEG.
Result<JpegSize> ReadJpegSize(std::string_view bytes);

// The memory DecodeJpeg(bytes, options) takes, worked out from the header:
// the output bitmap plus the decoder's coefficients (for a progressive file
// those of the whole picture at full size, even for a scaled decode). A
// value above kMaxDecodeBytes means DecodeJpeg refuses the picture. Error
// when the header cannot be read. Thread-safe.
Result<int64_t> JpegDecodeBytes(std::string_view bytes, const JpegDecodeOptions& options = {});

// Decodes the JPEG in `bytes` (baseline, progressive, grey, RGB, CMYK and
// YCCK) into an opaque bitmap. Data that ends early or is damaged after the
// first rows keeps the rows decoded so far (the rest stays black), as a
// viewer shows a truncated picture. Error, with nothing decoded, when the
// header cannot be read, the size passes kMaxBitmapPixels, the decode would
// take more than kMaxDecodeBytes (JpegDecodeBytes), or the data fail before
// the first row. Never ends the process; thread-safe.
Result<Bitmap> DecodeJpeg(std::string_view bytes, const JpegDecodeOptions& options = {});

// Compresses `bitmap` (its alpha ignored) as a baseline JPEG of `quality`
// with the library's defaults otherwise. Error for an empty bitmap or a
// library failure. Thread-safe.
Result<std::string> EncodeJpeg(const Bitmap& bitmap, int quality = 90);

}  // namespace lumidex
