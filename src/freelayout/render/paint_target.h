#pragma once

#include <QColor>
#include <QImage>

#include "foundation/colour.h"
#include "images/bitmap.h"

namespace lumidex {

// A QImage that paints straight into the pixels of `bitmap` (opaque RGB32,
// no copy): what a QPainter draws on it lands in the bitmap. Valid while
// `bitmap` lives and is not replaced. Null for an empty bitmap.
QImage PaintTarget(Bitmap& bitmap);

// The QColor of an album colour (0x00BBGGRR).
inline QColor ToQColor(Colour colour) {
  return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

}  // namespace lumidex
