#include "images/format_byte_size.h"

#include <cmath>
#include <cstdio>

#include "foundation/message_format.h"

namespace lumidex {

std::string FormatByteSize(int64_t bytes, bool twoDecimals) {
  double v = static_cast<double>(bytes);
  const char* unit = "B";
  if (v >= std::ldexp(1.0, 40)) {
    v /= std::ldexp(1.0, 40);
    unit = "TB";
  } else if (v >= std::ldexp(1.0, 30)) {
    v /= std::ldexp(1.0, 30);
    unit = "GB";
  } else if (v >= std::ldexp(1.0, 20)) {
    v /= std::ldexp(1.0, 20);
    unit = "MB";
  } else if (v >= 1024) {
    v /= 1024;
    unit = "KB";
  }
  if (twoDecimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", v);
    return std::string(text) + unit;
  }
  return WithThousandsSeparators(std::llround(v)) + unit;
}

}  // namespace lumidex
