#include "images/scaling.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace lumidex {
namespace {

// The source pixels that make one target pixel along an axis, with weights
// in 1/65536 that add up to exactly 65536.
struct Taps {
  int first = 0;
  std::vector<int32_t> weights;
};

std::vector<Taps> AreaTaps(int sourceSize, int targetSize) {
  std::vector<Taps> taps(static_cast<size_t>(targetSize));
  if (targetSize >= sourceSize) {
    // Enlarging (or equal): nearest pixel along this axis.
    for (int t = 0; t < targetSize; ++t) {
      const int s = static_cast<int>((int64_t{2} * t + 1) * sourceSize / (int64_t{2} * targetSize));
      taps[t].first = std::min(s, sourceSize - 1);
      taps[t].weights = {65536};
    }
    return taps;
  }
  // Target pixel t covers [t * S, (t + 1) * S) where one source pixel is T
  // units wide (S = sourceSize, T = targetSize).
  const int64_t S = sourceSize, T = targetSize;
  for (int t = 0; t < targetSize; ++t) {
    const int64_t begin = t * S, end = (t + 1) * S;
    const int first = static_cast<int>(begin / T);
    const int last = static_cast<int>((end - 1) / T);
    Taps& tap = taps[t];
    tap.first = first;
    int32_t sum = 0;
    size_t largest = 0;
    for (int s = first; s <= last; ++s) {
      const int64_t overlap = std::min(end, (s + 1) * T) - std::max(begin, s * T);
      const auto w = static_cast<int32_t>(overlap * 65536 / S);
      tap.weights.push_back(w);
      sum += w;
      if (w > tap.weights[largest]) largest = tap.weights.size() - 1;
    }
    tap.weights[largest] += 65536 - sum;
  }
  return taps;
}

}  // namespace

Bitmap ScaleNearest(const Bitmap& source, int width, int height) {
  if (source.empty()) return Bitmap();
  Bitmap target = Bitmap::Create(width, height);
  if (target.empty()) return target;
  std::vector<int> columns(static_cast<size_t>(width));
  for (int x = 0; x < width; ++x) {
    columns[x] = static_cast<int>((int64_t{2} * x + 1) * source.width() / (int64_t{2} * width));
  }
  for (int y = 0; y < height; ++y) {
    const int sy = static_cast<int>((int64_t{2} * y + 1) * source.height() / (int64_t{2} * height));
    const auto* from = reinterpret_cast<const uint32_t*>(source.row(sy));
    auto* to = reinterpret_cast<uint32_t*>(target.row(y));
    for (int x = 0; x < width; ++x) to[x] = from[columns[x]];
  }
  target.setHasAlpha(source.hasAlpha());
  return target;
}

Bitmap ScaleAreaAverage(const Bitmap& source, int width, int height) {
  if (source.empty()) return Bitmap();
  Bitmap target = Bitmap::Create(width, height);
  if (target.empty()) return target;
  const std::vector<Taps> across = AreaTaps(source.width(), width);
  const std::vector<Taps> down = AreaTaps(source.height(), height);
  // Horizontal pass into one row per source row that a target row needs.
  std::vector<uint8_t> rowBuffer(static_cast<size_t>(width) * 4);
  std::vector<int32_t> accum(static_cast<size_t>(width) * 4);
  for (int y = 0; y < height; ++y) {
    std::fill(accum.begin(), accum.end(), 0);
    const Taps& vt = down[y];
    for (size_t i = 0; i < vt.weights.size(); ++i) {
      const uint8_t* src = source.row(vt.first + static_cast<int>(i));
      for (int x = 0; x < width; ++x) {
        const Taps& ht = across[x];
        int32_t c[4] = {0, 0, 0, 0};
        const uint8_t* p = src + static_cast<size_t>(ht.first) * 4;
        for (int32_t w : ht.weights) {
          c[0] += p[0] * w;
          c[1] += p[1] * w;
          c[2] += p[2] * w;
          c[3] += p[3] * w;
          p += 4;
        }
        for (int k = 0; k < 4; ++k) rowBuffer[static_cast<size_t>(x) * 4 + k] = static_cast<uint8_t>((c[k] + 32768) >> 16);
      }
      const int32_t w = vt.weights[i];
      for (size_t k = 0; k < accum.size(); ++k) accum[k] += rowBuffer[k] * w;
    }
    uint8_t* out = target.row(y);
    for (size_t k = 0; k < accum.size(); ++k) out[k] = static_cast<uint8_t>((accum[k] + 32768) >> 16);
  }
  target.setHasAlpha(source.hasAlpha());
  return target;
}

}  // namespace lumidex
