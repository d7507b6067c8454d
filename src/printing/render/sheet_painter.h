#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <functional>
#include <optional>

#include "printing/print_geometry.h"
#include "printing/print_picture.h"

namespace lumidex {

// The font of the footer line (page number and name line) on a device of
// `dpiY`, and the height of its line in device pixels: what SheetLayout
// reserves at the bottom of the sheet.
QFont FooterFont(int dpiY);
int FooterHeight(int dpiY);

// Gives the picture of list entry `entry` made for `cell` (at the scale the
// caller chose); nothing when the picture cannot be read, leaving the cell
// empty.
using CellPictureFn = std::function<std::optional<CellPicture>(int entry, const SheetCell& cell)>;

// What one sheet shows.
struct SheetContent {
  const SheetGeometry* sheet = nullptr;
  const PrintSettings* settings = nullptr;
  int page = 0;
  int entries = 0;  // entries in the whole list
  int dpiY = 300;   // of the paper: the footer font's size
  CellPictureFn picture;
  // Preview only: whether an entry's offsets were moved (its frame is red).
  std::function<bool(int entry)> offsetsMoved;
};

// Draws sheet `content.page` in device pixels of the printable area: each
// entry's picture into its target, the page number and the name line, and
// in the preview (`preview`) the dotted cell frames when asked. The painter's
// transform decides where that lands: the identity on paper, a scale on the
// preview. The preview and the paper pass both draw through here.
void PaintSheet(QPainter& painter, const SheetContent& content, bool preview);

// Where the sheet lies in a preview image: the physical sheet fitted into
// the image less 10 pixels each side, and the transform from device pixels
// of the printable area to image pixels.
struct PreviewPlacement {
  QRect sheet;
  double scale = 1.0;  // image pixels per device pixel
  QPointF origin;      // image position of the printable area's top-left
  // Device pixels of the printable area under an image point.
  QPoint ToDevice(QPoint point) const;
};
PreviewPlacement PlacePreview(QSize image, const PaperFacts& paper);

// Fills `image` with the preview's background and draws the sheet with its
// shadow and content (PaintSheet with the preview placement).
void PaintPreview(QImage& image, const PaperFacts& paper, const SheetContent& content);

}  // namespace lumidex
