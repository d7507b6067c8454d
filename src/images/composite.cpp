#include "images/composite.h"

namespace lumidex {

void CompositeOverColour(Bitmap& bitmap, uint32_t colour) {
  if (bitmap.empty() || !bitmap.hasAlpha()) return;
  // Memory order is blue, green, red: match each with its colour byte.
  const int k[3] = {static_cast<int>((colour >> 16) & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                    static_cast<int>(colour & 0xFF)};
  for (int y = 0; y < bitmap.height(); ++y) {
    uint8_t* p = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x, p += 4) {
      const int a = p[3];
      for (int c = 0; c < 3; ++c) {
        p[c] = static_cast<uint8_t>(k[c] + (((p[c] - k[c]) * a) >> 8));
      }
    }
  }
  bitmap.setHasAlpha(false);
}

void ApplyMaskOverColour(Bitmap& bitmap, uint32_t colour) {
  const uint8_t k[3] = {static_cast<uint8_t>((colour >> 16) & 0xFF),
                        static_cast<uint8_t>((colour >> 8) & 0xFF),
                        static_cast<uint8_t>(colour & 0xFF)};
  for (int y = 0; y < bitmap.height(); ++y) {
    uint8_t* p = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x, p += 4) {
      if (p[3] == 0) {
        p[0] = k[0];
        p[1] = k[1];
        p[2] = k[2];
      }
      p[3] = 0xFF;
    }
  }
  bitmap.setHasAlpha(false);
}

}  // namespace lumidex
