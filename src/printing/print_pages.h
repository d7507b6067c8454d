#pragma once

#include <span>
#include <vector>

#include "printing/cell_placement.h"
#include "printing/print_geometry.h"

namespace lumidex {

// A picture of the print list as the layout sees it: its pixel size and the
// user's offsets inside a cropped cell.
struct PictureSize {
  int width = 0;
  int height = 0;
  CellOffsets offsets;
};

// One entry on its sheet: its index in the list, the cell and how the
// picture lands in it.
struct PlacedCell {
  int entry = 0;
  SheetCell cell;
  CellPlacement placement;
};

struct PrintPage {
  int index = 0;
  std::vector<PlacedCell> cells;  // fewer than the sheet's on the last page
};

// Every sheet of a print job.
struct PrintPlan {
  SheetGeometry sheet;
  std::vector<PrintPage> pages;  // at least one (an empty list prints one empty sheet)
};

// The whole job as a pure function of the paper, the settings, the layout,
// the footer line height and the pictures' sizes, in list order. Entries
// fill the sheets cell by cell in the geometry's order.
PrintPlan LayoutPages(const PaperFacts& paper, const PrintSettings& settings, int layout,
                      int footerHeight, std::span<const PictureSize> pictures);

}  // namespace lumidex
