#pragma once

#include <cstdint>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

// A device-independent bitmap decoded to BGRA.
struct DibImage {
  Bitmap bitmap;
  int bitCount = 0;  // bits per pixel of the stored image (1, 4, 8, 16, 24 or 32)
};

// Decodes a device-independent bitmap: a header (core 12 bytes, info 40,
// or the longer 52/56/64/108/124-byte forms), its colour masks and palette,
// then the pixel rows, each padded to 4 bytes, bottom-up unless the height is
// negative. Depths 1, 4, 8 (uncompressed or run-length encoded), 16, 24 and
// 32 (plain or with bit-field masks).
//
// `pixelOffset` is where the pixel rows start in `dib` (a bitmap file names
// it in its file header); 0 means right after the palette.
// `iconImage` reads the image of an icon file: the header height counts the
// colour rows and the one-bit mask rows below them, and the mask (1 =
// transparent) gives the alpha; a 32-bit icon keeps its own alpha unless it
// is all zero. Without it the result is opaque.
//
// Rows missing from a truncated file stay black. Error when the header is
// damaged, the depth or compression is not one of the above, the size
// passes kMaxBitmapPixels, or the bitmap would take more than
// kMaxDecodeBytes. Thread-safe.
Result<DibImage> DecodeDib(std::string_view dib, size_t pixelOffset, bool iconImage);

// The memory DecodeDib takes for the size the header of `dib` declares
// (the bitmap; the decoder needs nothing else of any size). 0 when `dib` is
// too short for a header. Reads only the header.
int64_t DibDecodeBytes(std::string_view dib, bool iconImage);

// DibDecodeBytes of a bitmap file, with or without its file header.
int64_t BmpDecodeBytes(std::string_view bytes);

// Decodes a Windows bitmap file (".bmp", ".dib"): the 14-byte file header
// "BM" then a DIB as above. Files without the file header are read as a
// bare DIB. Opaque result. Errors as DecodeDib.
Result<Bitmap> DecodeBmp(std::string_view bytes);

}  // namespace lumidex
