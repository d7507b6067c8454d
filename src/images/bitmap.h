#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace lumidex {

// The largest bitmap any decoder or scaler makes (about 128 megapixels,
// 512 MB). Headers that claim more are refused before anything is allocated,
// so a hostile file cannot exhaust memory.
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 27;

// A 32-bit picture in memory: rows top to bottom, each pixel the four bytes
// blue, green, red, alpha (BGRA), rows packed without padding. `hasAlpha`
// says whether the alpha bytes carry transparency; when false they carry
// no meaning (decoded pixels have 255, rows a damaged file never reached
// have 0) and drawing, scaling output and encoding ignore them. Move-only (it owns its pixels); not thread-safe
// to change from two threads, safe to read from many.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(Bitmap&&) noexcept = default;
  Bitmap& operator=(Bitmap&&) noexcept = default;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  // A width x height bitmap with every byte 0 (transparent black). Pages are
  // only touched when written, so a large bitmap that a truncated file fills
  // only partly costs memory only for the rows decoded. An empty bitmap when
  // either side is below 1 or the size passes kMaxBitmapPixels.
  static Bitmap Create(int width, int height);

  // True when width x height may be created.
  static bool SizeAllowed(int64_t width, int64_t height);

  Bitmap Clone() const;

  bool empty() const { return width_ <= 0 || height_ <= 0; }
  int width() const { return width_; }
  int height() const { return height_; }
  size_t stride() const { return static_cast<size_t>(width_) * 4; }
  bool hasAlpha() const { return hasAlpha_; }
  void setHasAlpha(bool value) { hasAlpha_ = value; }

  // REQUIRES: 0 <= y < height().
  uint8_t* row(int y) { return pixels_.get() + stride() * static_cast<size_t>(y); }
  const uint8_t* row(int y) const { return pixels_.get() + stride() * static_cast<size_t>(y); }
  uint8_t* data() { return pixels_.get(); }
  const uint8_t* data() const { return pixels_.get(); }

  // Pixel as 0xAARRGGBB. REQUIRES: inside the bitmap.
  uint32_t PixelAt(int x, int y) const;
  void SetPixel(int x, int y, uint32_t argb);

  // Every pixel set to `colour` (0x00BBGGRR) with alpha 255.
  void Fill(uint32_t colour);
  // Every alpha byte set to 255 and hasAlpha() false.
  void MakeOpaque();

 private:
  struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  int width_ = 0;
  int height_ = 0;
  bool hasAlpha_ = false;
  std::unique_ptr<uint8_t[], FreeDeleter> pixels_;
};

}  // namespace lumidex
