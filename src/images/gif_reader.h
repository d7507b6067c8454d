#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

// What the first bytes of a GIF file say.
struct GifProbe {
  bool isGif = false;
  int width = 0;   // logical screen width
  int height = 0;  // logical screen height
  // The colour (0x00BBGGRR) of the transparent index of the first graphic
  // control extension right after the global colour table, when there is one.
  std::optional<uint32_t> transparentColour;
};

// Reads the 13-byte header ("GIF", then the little-endian logical screen
// width and height at offsets 6 and 8), the global colour table when the
// packed byte at offset 10 announces one, and the 8 bytes after it. Never
// reads past `bytes`. Thread-safe.
GifProbe ProbeGif(std::string_view bytes);

// Decodes the first frame of a GIF onto a canvas of the GIF's own logical
// screen size: the frame at its position, everything else and the frame's
// transparent index transparent (hasAlpha() true). Interlaced frames are
// put in row order. A frame cut short keeps the rows it has. Error when the
// file is not a GIF, has no frame, the canvas passes kMaxBitmapPixels, or
// the decode would take more than kMaxDecodeBytes. Thread-safe.
Result<Bitmap> DecodeGifFirstFrame(std::string_view bytes);

// The memory DecodeGifFirstFrame takes at most for the logical screen the
// header of `bytes` declares (kMaxDecodeBytes when a side is 0: the frame
// decides then); 0 when `bytes` are not a GIF. Reads only the header.
int64_t GifDecodeBytes(std::string_view bytes);

}  // namespace lumidex
