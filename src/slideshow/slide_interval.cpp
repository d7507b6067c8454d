#include "slideshow/slide_interval.h"

#include <algorithm>
#include <cstdlib>

namespace lumidex {

int ClampSlideInterval(int milliseconds) {
  return std::clamp(milliseconds, kMinSlideInterval, kMaxSlideInterval);
}

std::string SlideIntervalText(int milliseconds) {
  // Whole milliseconds have at most three decimals of a second, so the text
  // is exact: no rounding of a floating point value.
  const long long magnitude = std::llabs(static_cast<long long>(milliseconds));
  std::string text = (milliseconds < 0 ? "-" : "") + std::to_string(magnitude / 1000);
  if (long long fraction = magnitude % 1000; fraction != 0) {
    std::string decimals = std::to_string(fraction + 1000).substr(1);
    decimals.erase(decimals.find_last_not_of('0') + 1);
    text += "." + decimals;
  }
  return text + "秒";
}

int RoundedSlideInterval(int milliseconds) {
  return milliseconds >= 1000 ? milliseconds / 1000 * 1000 : milliseconds;
}

int SlideIntervalAfterArrowKey(int milliseconds, int direction) {
  const int step = direction < 0 ? -kSlideIntervalArrowStep : kSlideIntervalArrowStep;
  return ClampSlideInterval(ClampSlideInterval(milliseconds) + step);
}

}  // namespace lumidex
