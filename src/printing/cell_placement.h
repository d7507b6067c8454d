#pragma once

#include "printing/print_geometry.h"

namespace lumidex {

// A quarter turn of a picture. Counter-clockwise moves the picture's top to
// the left: its top-left corner goes to the bottom-left.
enum class QuarterTurn { kNone, kClockwise, kCounterClockwise };

// The user's shift of a cropped picture inside its cell, in device pixels
// of the paper: 0, 0 shows the middle of the picture.
struct CellOffsets {
  int x = 0;
  int y = 0;
  bool operator==(const CellOffsets&) const = default;
};

// How one picture of pictureW x pictureH pixels lands in a cell. The picture
// is turned by `turn`, scaled to drawW x drawH (sizes after turning), and the
// window of target's size at (cropX, cropY) of that is drawn at `target`.
// Without cropping the window is the whole scaled picture.
struct CellPlacement {
  QuarterTurn turn = QuarterTurn::kNone;
  int drawW = 0;
  int drawH = 0;
  PrintRect target;
  int cropX = 0;
  int cropY = 0;
  // How far the scaled picture overlaps its box (cropping only); the user
  // offsets range over +/- half of it.
  int slackX = 0;
  int slackY = 0;
  bool operator==(const CellPlacement&) const = default;
};

// Whether and which way a picture is turned for `cell`: when its
// orientation does not match the cell (grids 0, 2, 3, 5 against the sheet's
// orientation, the halves of grid 1 against the sheet's turned shape, never
// in grid 4, photo cells against their own shape). Square pictures and
// square cells are never turned. Portrait pictures turn counter-clockwise
// and landscape ones clockwise; the other way round in grid 1 and in photo
// cells whose shape is turned against the sheet.
QuarterTurn TurnFor(const SheetGeometry& sheet, const SheetCell& cell, bool sheetLandscape,
                    int pictureW, int pictureH);

// The placement of a pictureW x pictureH picture in `cell`: fitted whole
// into the box and centred (the ratio kept), stretched over the box with
// `fillCell`, or with `fillCell` and `keepRatio` scaled to cover the box and
// cropped to it at `offsets` from the middle (clamped to the overlap). A
// photo cell of an oversized print always fits the picture whole. Picture
// sides below 1 count as 1.
CellPlacement PlacePicture(const SheetGeometry& sheet, const SheetCell& cell,
                           const PrintSettings& settings, bool sheetLandscape, int pictureW,
                           int pictureH, CellOffsets offsets = {});

}  // namespace lumidex
