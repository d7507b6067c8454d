#include "freelayout/render/paint_target.h"

namespace lumidex {

QImage PaintTarget(Bitmap& bitmap) {
  if (bitmap.empty()) return QImage();
  // The non-const constructor: painting on it must not detach into a copy.
  return QImage(bitmap.data(), bitmap.width(), bitmap.height(),
                static_cast<qsizetype>(bitmap.stride()), QImage::Format_RGB32);
}

}  // namespace lumidex
