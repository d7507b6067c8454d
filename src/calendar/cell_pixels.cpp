#include "calendar/cell_pixels.h"

namespace lumidex {
namespace {

constexpr int kNearWhite = 237;

bool IsNearWhite(const std::uint8_t* pixel) {
  return pixel[0] >= kNearWhite && pixel[1] >= kNearWhite && pixel[2] >= kNearWhite;
}

void Paint(std::uint8_t* pixel, Colour c) {
  pixel[0] = static_cast<std::uint8_t>(BlueOf(c));
  pixel[1] = static_cast<std::uint8_t>(GreenOf(c));
  pixel[2] = static_cast<std::uint8_t>(RedOf(c));
}

}  // namespace

void Fade(const BgraPixels& picture, Colour c, int w) {
  const int blue = BlueOf(c), green = GreenOf(c), red = RedOf(c);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* p = picture.row(y);
    for (int x = 0; x < picture.width; ++x, p += 4) {
      p[0] = static_cast<std::uint8_t>(BlendChannel(p[0], blue, w));
      p[1] = static_cast<std::uint8_t>(BlendChannel(p[1], green, w));
      p[2] = static_cast<std::uint8_t>(BlendChannel(p[2], red, w));
    }
  }
}

void ReplaceWhiteEdges(const BgraPixels& picture, Colour fill) {
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = picture.row(y);
    int left = 0;
    while (left < picture.width && IsNearWhite(row + 4 * left)) Paint(row + 4 * left++, fill);
    if (left == picture.width) continue;
    for (int x = picture.width - 1; x > left && IsNearWhite(row + 4 * x); --x)
      Paint(row + 4 * x, fill);
  }
}

}  // namespace lumidex
