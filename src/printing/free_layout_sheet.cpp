#include "printing/free_layout_sheet.h"

#include <algorithm>

namespace lumidex {

FreeLayoutSheet PlaceFreeLayoutSheet(int width, int height, int indent, int lineHeight,
                                     int verticalAlign) {
  FreeLayoutSheet sheet;
  sheet.left = indent;
  sheet.width = std::max(1, width - indent);
  sheet.height = std::max(1, static_cast<int>(width * 49 * 0.01));
  switch (verticalAlign) {
    case 0: sheet.top = 2 * lineHeight; break;
    case 2: sheet.top = height - sheet.height - 2 * lineHeight; break;
    default: sheet.top = height / 2 - sheet.height / 2; break;
  }
  return sheet;
}

}  // namespace lumidex
