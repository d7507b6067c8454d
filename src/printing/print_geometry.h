#pragma once

#include <vector>

#include "printing/print_settings.h"

namespace lumidex {

// What the layout needs to know of the printer (or PDF page). Lengths in
// device pixels. Value type.
struct PaperFacts {
  int pageW = 0;  // printable area
  int pageH = 0;
  int physW = 0;  // whole sheet
  int physH = 0;
  int offX = 0;  // printable area inside the sheet
  int offY = 0;
  int dpiX = 300;
  int dpiY = 300;
  bool landscape = false;
  bool monochrome = false;

  bool operator==(const PaperFacts&) const = default;
};

// A sheet of `paper` ("A4", "B5", ...; see PaperSizeMm) at `dpi` with the
// whole sheet printable: what a PDF page offers. `ok` false for an unknown
// name. Sides in device pixels truncated from millimetres.
struct PaperSizeMm {
  bool ok = false;
  double width = 0;
  double height = 0;
};
PaperSizeMm PaperSizeByName(const char* name);
PaperFacts WholeSheetFacts(double widthMm, double heightMm, int dpi, bool landscape);

// Dots per millimetre: dpi x 0.039370078740157.
double DotsPerMm(int dpi);
// Device pixels of `mm` millimetres, truncated.
int MmToDots(double mm, int dpi);
// Whole millimetres in `dots`, truncated.
int DotsToMm(int dots, int dpi);

// A rectangle in device pixels; Contains is strict on every edge (a point on
// the border of two cells belongs to neither).
struct PrintRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Contains(int x, int y) const { return x > left && x < right() && y > top && y < bottom(); }
  bool operator==(const PrintRect&) const = default;
};

// The largest i such that i pieces of `size` with `gap` between neighbours
// fit into `avail`; 0 when `size` is below 1.
int FitsInLength(int avail, int size, int gap);

// How photo prints of w x h millimetres sit on an area of availW x availH
// millimetres: columns x rows of cells, turned by a quarter when the turned
// arrangement holds more, and `oversized` when not even one print fits
// either way (then one cell of the whole area).
struct PhotoArrangement {
  int columns = 0;
  int rows = 0;
  bool turned = false;
  bool oversized = false;
  bool operator==(const PhotoArrangement&) const = default;
};
PhotoArrangement PhotoGrid(int w, int h, int gap, int availW, int availH);

// One cell of a sheet: the cell and the box inside it that the picture
// fills (grid cells lose the gap, photo cells are their box).
struct SheetCell {
  PrintRect cell;
  PrintRect box;
  bool strip = false;  // placed in the leftover strip beside a photo grid
  bool operator==(const SheetCell&) const = default;
};

// Where everything of one sheet lies, in device pixels of the printable area
// (origin at its top-left corner). The same geometry serves the preview,
// which draws it scaled, and the paper, so they can never disagree.
struct SheetGeometry {
  int layout = 0;
  PrintRect area;  // where the cells lie
  std::vector<SheetCell> cells;  // in filling order; never empty
  PhotoArrangement photo;  // photo layouts only
  int columns = 0;
  int rows = 0;
  // The footer line (page number at its left, name line at its right),
  // below the area; height 0 when neither is printed.
  PrintRect footer;
  int pageNumberX = 0;

  int cellsPerSheet() const { return static_cast<int>(cells.size()); }
};

// The sheet of `layout` (0-10) on `paper` with `settings` (clamped first).
// `footerHeight` is the device height of one line of the footer font; it is
// reserved at the bottom of the printable area when the name line or page
// numbers are printed. Grids lose both margins on both sides; photo layouts
// start at the margins and lie inside the printable area. A sheet always
// has at least one cell: a photo larger than the area, or a size that fits
// neither way, gets one cell of the whole area.
SheetGeometry SheetLayout(const PaperFacts& paper, const PrintSettings& settings, int layout,
                          int footerHeight);

// Index of the last sheet for `entries` entries at `cells` per sheet: 0 for
// an empty list (one empty sheet).
int LastPageIndex(int entries, int cells);

// Index (into the whole list) of the cell that strictly contains (x, y) on
// sheet `page`, or -1. Coordinates as the geometry's.
int CellAt(const SheetGeometry& sheet, int page, int x, int y);

}  // namespace lumidex
