#include "calendar/cell_geometry.h"

#include <algorithm>

namespace lumidex {

PictureArea PictureAreaOf(int cellWidth, int cellHeight) {
  PictureArea area;
  if (cellHeight - 1 - area.top > cellWidth) area.top += cellHeight - 1 - cellWidth;
  area.width = std::max(cellWidth, 0);
  area.height = std::max(cellHeight - 1 - area.top, 0);
  return area;
}

PictureSize CellPictureSize(int defaultColumnWidth, int defaultRowHeight) {
  const int width = defaultColumnWidth - 1;
  int height = defaultRowHeight - 17;
  if (height > width) height = width - 17;
  return PictureSize{std::max(width, 1), std::max(height, 1)};
}

MarkPosition PageMarkPosition(int pictureWidth, bool dayShadow) {
  return MarkPosition{pictureWidth - 17, dayShadow ? 3 : 1};
}

MarkPosition HolidayMarkPosition(int cellWidth) { return MarkPosition{cellWidth - 16, 1}; }

bool IsOnDateStrip(int x, int y, int cellWidth) {
  return x > 0 && x < cellWidth && y > 0 && y < kDateStripHeight;
}

int DayColumnWidth(int gridWidth) { return std::max((gridWidth - 26) / 7, 1); }
int DayRowHeight(int gridHeight) { return std::max((gridHeight - 28) / 6, 1); }

}  // namespace lumidex
