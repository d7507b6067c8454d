#include "images/bitmap.h"

#include <cstring>

namespace lumidex {

bool Bitmap::SizeAllowed(int64_t width, int64_t height) {
  return width >= 1 && height >= 1 && width <= (int64_t{1} << 30) && height <= (int64_t{1} << 30) &&
         width * height <= kMaxBitmapPixels;
}

Bitmap Bitmap::Create(int width, int height) {
  Bitmap bitmap;
  if (!SizeAllowed(width, height)) return bitmap;
  // calloc leaves large blocks as untouched zero pages until written.
  auto* pixels = static_cast<uint8_t*>(
      std::calloc(static_cast<size_t>(width) * static_cast<size_t>(height), 4));
  if (pixels == nullptr) return bitmap;
  bitmap.pixels_.reset(pixels);
  bitmap.width_ = width;
  bitmap.height_ = height;
  return bitmap;
}

Bitmap Bitmap::Clone() const {
  Bitmap copy = Create(width_, height_);
  if (copy.empty()) return copy;
  std::memcpy(copy.data(), data(), stride() * static_cast<size_t>(height_));
  copy.hasAlpha_ = hasAlpha_;
  return copy;
}

uint32_t Bitmap::PixelAt(int x, int y) const {
  const uint8_t* p = row(y) + static_cast<size_t>(x) * 4;
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

void Bitmap::SetPixel(int x, int y, uint32_t argb) {
  uint8_t* p = row(y) + static_cast<size_t>(x) * 4;
  p[0] = argb & 0xFF;
  p[1] = (argb >> 8) & 0xFF;
  p[2] = (argb >> 16) & 0xFF;
  p[3] = (argb >> 24) & 0xFF;
}

void Bitmap::Fill(uint32_t colour) {
  const uint8_t pixel[4] = {static_cast<uint8_t>((colour >> 16) & 0xFF),
                            static_cast<uint8_t>((colour >> 8) & 0xFF),
                            static_cast<uint8_t>(colour & 0xFF), 0xFF};
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = row(y);
    for (int x = 0; x < width_; ++x) std::memcpy(p + static_cast<size_t>(x) * 4, pixel, 4);
  }
  hasAlpha_ = false;
}

void Bitmap::MakeOpaque() {
  for (int y = 0; y < height_; ++y) {
    uint8_t* p = row(y);
    for (int x = 0; x < width_; ++x) p[static_cast<size_t>(x) * 4 + 3] = 0xFF;
  }
  hasAlpha_ = false;
}

}  // namespace lumidex
