#pragma once

namespace lumidex {

// Sizes and places inside a day cell, in pixels relative to the cell's
// top-left corner.

inline constexpr int kDateStripHeight = 16;
inline constexpr int kMarkSize = 16;

// The picture area below the date strip: the full cell width and the height
// left below the strip. When the cell is taller than wide the strip grows so
// that the area becomes (width - 16) high, moving down.
struct PictureArea {
  int top = kDateStripHeight;  // the strip height
  int width = 0;
  int height = 0;
  bool operator==(const PictureArea&) const = default;
};
PictureArea PictureAreaOf(int cellWidth, int cellHeight);

// The size of a cell picture made from the grid's default column width and
// row height: (width - 1) x (height - 17), or (width - 1) x (width - 18) when
// that would be taller than wide. Sides are at least 1.
struct PictureSize {
  int width = 0;
  int height = 0;
  bool operator==(const PictureSize&) const = default;
};
PictureSize CellPictureSize(int defaultColumnWidth, int defaultRowHeight);

// Where a page mark goes in a picture `pictureWidth` wide: 17 pixels left of
// its right edge, 1 pixel down (3 with the strip shadow on).
struct MarkPosition {
  int x = 0;
  int y = 0;
  bool operator==(const MarkPosition&) const = default;
};
MarkPosition PageMarkPosition(int pictureWidth, bool dayShadow);

// The holiday mark of a cell `cellWidth` wide, drawn 15 x 15.
MarkPosition HolidayMarkPosition(int cellWidth);

// True when a press at (x, y), relative to the cell's top-left corner, lies
// on the date strip: strictly inside the cell horizontally and strictly
// between its top and 16 pixels below it.
bool IsOnDateStrip(int x, int y, int cellWidth);

// The width of day columns and the height of day rows for a grid of the
// given size: (width - 26) / 7 and (height - 28) / 6, never below 1.
int DayColumnWidth(int gridWidth);
int DayRowHeight(int gridHeight);

}  // namespace lumidex
