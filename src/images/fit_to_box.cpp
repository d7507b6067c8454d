#include "images/fit_to_box.h"

#include <algorithm>
#include <cstdint>

namespace lumidex {

FittedBox FitToBox(int boxWidth, int boxHeight, bool enlarge, int imageWidth, int imageHeight) {
  const int64_t iw = std::max(imageWidth, 1);
  const int64_t ih = std::max(imageHeight, 1);
  FittedBox box;
  if (!enlarge && iw < boxWidth && ih < boxHeight) {
    box.width = static_cast<int>(iw);
    box.height = static_cast<int>(ih);
    box.left = (boxWidth >> 1) - static_cast<int>(iw >> 1);
    box.top = (boxHeight >> 1) - static_cast<int>(ih >> 1);
    return box;
  }
  const int64_t rx = (int64_t{boxWidth} << 16) / iw;
  const int64_t ry = (int64_t{boxHeight} << 16) / ih;
  if (rx == ry) return FittedBox{boxWidth, boxHeight, 0, 0};
  const int64_t r = iw >= ih ? rx : ry;
  int64_t width = (iw * r) >> 16;
  int64_t height = (ih * r) >> 16;
  const int64_t cut = std::max({width - boxWidth, height - boxHeight, int64_t{0}});
  width = std::max<int64_t>(width - cut, 1);
  height = std::max<int64_t>(height - cut, 1);
  box.width = static_cast<int>(width);
  box.height = static_cast<int>(height);
  box.left = (boxWidth - box.width) >> 1;
  box.top = (boxHeight - box.height) >> 1;
  return box;
}

}  // namespace lumidex
