#include "printing/print_pixels.h"

#include <algorithm>
#include <cstring>

namespace lumidex {

Bitmap CropBitmap(const Bitmap& source, int left, int top, int width, int height) {
  const int x0 = std::max(0, left);
  const int y0 = std::max(0, top);
  const int x1 = std::min(source.width(), left + width);
  const int y1 = std::min(source.height(), top + height);
  if (x1 <= x0 || y1 <= y0) return Bitmap();
  Bitmap window = Bitmap::Create(x1 - x0, y1 - y0);
  if (window.empty()) return window;
  window.setHasAlpha(source.hasAlpha());
  for (int y = y0; y < y1; ++y) {
    std::memcpy(window.row(y - y0), source.row(y) + static_cast<size_t>(x0) * 4, window.stride());
  }
  return window;
}

void ToGrey(Bitmap& bitmap) {
  for (int y = 0; y < bitmap.height(); ++y) {
    uint8_t* p = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x, p += 4) {
      const int grey = (p[2] * 2989 + p[1] * 5866 + p[0] * 1144 + 5000) / 10000;
      p[0] = p[1] = p[2] = static_cast<uint8_t>(std::min(grey, 255));
    }
  }
}

}  // namespace lumidex
