#include "images/block_blur.h"

#include <algorithm>
#include <vector>

namespace lumidex {
namespace {

constexpr int kChannels = 3;  // blue, green, red; alpha is left alone

void AddRow(std::vector<int>& sums, const uint8_t* row, int width, int sign) {
  for (int x = 0; x < width; ++x) {
    for (int c = 0; c < kChannels; ++c) sums[static_cast<size_t>(x * kChannels + c)] += sign * row[x * 4 + c];
  }
}

}  // namespace

// Invariant: columnSums[x] holds, per channel, the sum of the bitmap's
// current bytes of column x over the rows y - level .. y + level inside the
// bitmap, and `window` the sum of columnSums over x - level .. x + level.
// Writing a pixel adds its change to both, so later pixels see the blurred
// value exactly as a naive in-place pass reads it.
void Blur(Bitmap& bitmap, int level, const BlurProgress& progress) {
  if (bitmap.empty()) return;
  level = std::clamp(level, kMinBlurLevel, kMaxBlurLevel);
  const int width = bitmap.width();
  const int height = bitmap.height();
  std::vector<int> columnSums(static_cast<size_t>(width) * kChannels, 0);
  for (int r = 0; r <= std::min(level, height - 1); ++r) AddRow(columnSums, bitmap.row(r), width, 1);

  for (int y = 0; y < height; ++y) {
    uint8_t* row = bitmap.row(y);
    const int rows = std::min(y + level, height - 1) - std::max(y - level, 0) + 1;
    int window[kChannels] = {0, 0, 0};
    for (int x = 0; x <= std::min(level, width - 1); ++x) {
      for (int c = 0; c < kChannels; ++c) window[c] += columnSums[static_cast<size_t>(x * kChannels + c)];
    }
    for (int x = 0; x < width; ++x) {
      const int count = rows * (std::min(x + level, width - 1) - std::max(x - level, 0) + 1);
      for (int c = 0; c < kChannels; ++c) {
        uint8_t& byte = row[x * 4 + c];
        const int blurred = window[c] / count;
        const int delta = blurred - byte;
        byte = static_cast<uint8_t>(blurred);
        columnSums[static_cast<size_t>(x * kChannels + c)] += delta;
        window[c] += delta;
        if (x - level >= 0) window[c] -= columnSums[static_cast<size_t>((x - level) * kChannels + c)];
        if (x + level + 1 < width) window[c] += columnSums[static_cast<size_t>((x + level + 1) * kChannels + c)];
      }
    }
    if (y - level >= 0) AddRow(columnSums, bitmap.row(y - level), width, -1);
    if (y + level + 1 < height) AddRow(columnSums, bitmap.row(y + level + 1), width, 1);
    if (progress && y % 2 == 0) progress(y, height);
  }
  bitmap.setHasAlpha(false);
  if (progress) progress(0, height);
}

}  // namespace lumidex
