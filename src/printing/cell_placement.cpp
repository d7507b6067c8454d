#include "printing/cell_placement.h"

#include <algorithm>
#include <cstdint>

namespace lumidex {

namespace {

enum class Shape { kSquare, kPortrait, kLandscape };

Shape ShapeOf(int width, int height) {
  if (width < height) return Shape::kPortrait;
  if (height < width) return Shape::kLandscape;
  return Shape::kSquare;
}

Shape Opposite(Shape shape) {
  if (shape == Shape::kPortrait) return Shape::kLandscape;
  if (shape == Shape::kLandscape) return Shape::kPortrait;
  return shape;
}

// The whole picture inside the box, centred, its ratio kept.
PrintRect FitWhole(const PrintRect& box, int64_t w, int64_t h) {
  int fitW = box.width;
  int fitH = box.height;
  if (w * box.height >= h * box.width) {
    fitH = static_cast<int>(std::max<int64_t>(1, h * box.width / w));
  } else {
    fitW = static_cast<int>(std::max<int64_t>(1, w * box.height / h));
  }
  return {box.left + (box.width - fitW) / 2, box.top + (box.height - fitH) / 2, fitW, fitH};
}

}  // namespace

QuarterTurn TurnFor(const SheetGeometry& sheet, const SheetCell& cell, bool sheetLandscape,
                    int pictureW, int pictureH) {
  const Shape picture = ShapeOf(pictureW, pictureH);
  if (picture == Shape::kSquare || sheet.layout == 4) return QuarterTurn::kNone;
  const Shape sheetShape = sheetLandscape ? Shape::kLandscape : Shape::kPortrait;
  Shape wanted = sheetShape;
  bool reversed = false;
  if (sheet.layout == 1) {
    wanted = Opposite(sheetShape);
    reversed = true;
  } else if (IsPhotoLayout(sheet.layout)) {
    wanted = ShapeOf(cell.cell.width, cell.cell.height);
    reversed = wanted != Shape::kSquare && wanted == Opposite(sheetShape);
  }
  if (wanted == Shape::kSquare || wanted == picture) return QuarterTurn::kNone;
  const bool clockwise = (picture == Shape::kLandscape) != reversed;
  return clockwise ? QuarterTurn::kClockwise : QuarterTurn::kCounterClockwise;
}

CellPlacement PlacePicture(const SheetGeometry& sheet, const SheetCell& cell,
                           const PrintSettings& settings, bool sheetLandscape, int pictureW,
                           int pictureH, CellOffsets offsets) {
  CellPlacement placement;
  pictureW = std::max(1, pictureW);
  pictureH = std::max(1, pictureH);
  placement.turn = TurnFor(sheet, cell, sheetLandscape, pictureW, pictureH);
  const bool turned = placement.turn != QuarterTurn::kNone;
  const int64_t w = turned ? pictureH : pictureW;
  const int64_t h = turned ? pictureW : pictureH;
  const PrintRect& box = cell.box;
  const bool oversized = IsPhotoLayout(sheet.layout) && sheet.photo.oversized;
  if (!settings.fillCell || oversized) {
    placement.target = FitWhole(box, w, h);
    placement.drawW = placement.target.width;
    placement.drawH = placement.target.height;
    return placement;
  }
  placement.target = box;
  if (!settings.keepRatio) {
    placement.drawW = box.width;
    placement.drawH = box.height;
    return placement;
  }
  // Cover the box with the ratio kept; the overlap is cut away.
  if (w * box.height >= h * box.width) {
    placement.drawH = box.height;
    placement.drawW = static_cast<int>(std::max<int64_t>(box.width, w * box.height / h));
  } else {
    placement.drawW = box.width;
    placement.drawH = static_cast<int>(std::max<int64_t>(box.height, h * box.width / w));
  }
  placement.slackX = placement.drawW - box.width;
  placement.slackY = placement.drawH - box.height;
  placement.cropX = std::clamp(offsets.x + placement.slackX / 2, 0, placement.slackX);
  placement.cropY = std::clamp(offsets.y + placement.slackY / 2, 0, placement.slackY);
  return placement;
}

}  // namespace lumidex
