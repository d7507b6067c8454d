#pragma once

#include <cstdio>
#include <optional>

#include <jpeglib.h>

#include "images/bitmap.h"

namespace lumidex {

// The 1/8-scale decode of a sequential Huffman-coded 8-bit JPEG (grey or
// YCbCr, luma sampled 1 or 2 times per chroma sample either way) straight
// from its DC coefficients: every 8 x 8 block of luma becomes one pixel, a
// chroma block covers the pixels of the luma blocks beside it. The AC
// coefficients are only stepped over, with one table look-up per code and
// its value bits, which is most of the work of a reduced decode; the luma
// values equal libjpeg's 1/8 decode, the chroma is the block mean.
//
// `cinfo` has read the header up to the first scan (jpeg_read_header) and
// its source is the memory source over the file, positioned at the scan's
// entropy-coded data; neither is changed. Nothing when the file is of
// another kind, or when its data are not perfectly formed (a bad code, data
// that end early, a missing or misplaced restart marker): the caller then
// decodes it the general way, which knows how to keep what it can.
// Thread-safe; holds no memory beyond the returned bitmap and a few tables.
std::optional<Bitmap> DecodeJpegEighth(const jpeg_decompress_struct& cinfo);

}  // namespace lumidex
