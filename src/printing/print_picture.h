#pragma once

#include <string>

#include "foundation/status.h"
#include "images/bitmap.h"
#include "printing/cell_placement.h"
#include "printing/print_geometry.h"

namespace lumidex {

// One picture ready to be drawn on a sheet: `pixels`, in the file's own
// orientation, are turned by placement.turn and stretched into
// placement.target (device pixels of the sheet); sizes below are those
// after turning. With `exact` they have
// exactly the target's size times the scale; otherwise they cover it by at
// most a third more, or are the whole picture when that is smaller.
struct CellPicture {
  Bitmap pixels;
  CellPlacement placement;
};

// How a cell's picture is made.
struct CellPictureOptions {
  // Target pixels per device pixel: 1 on paper, below 1 in the preview.
  double scale = 1.0;
  // Area-averaging scaling (always wanted on paper), else the plain one.
  bool fine = true;
  // Grey pixels: the printer prints in monochrome.
  bool grey = false;
  // Exactly the scaled target's pixels (the preview); else the decoder's
  // covering pixels are kept when they are close (the paper).
  bool exact = false;
};

// Reads the picture at `path` from the original file and makes it for
// `cell`: placed by PlacePicture, decoded at the size it is drawn (a JPEG at
// the smallest decoder scale that covers it, never a list thumbnail),
// scaled down to that size when asked or when far larger, cut to its
// window (the turn is left to the painter), composited over
// white when it has transparency and turned grey when asked. Nothing is
// cached. Error when the file cannot be read or decoded (the cell stays
// empty then). Thread-safe.
Result<CellPicture> RenderCellPicture(const std::string& path, const SheetGeometry& sheet,
                                      const SheetCell& cell, const PrintSettings& settings,
                                      bool sheetLandscape, CellOffsets offsets,
                                      const CellPictureOptions& options);

}  // namespace lumidex
