#include "images/ui/bitmap_bridge.h"

#include <cstring>

namespace lumidex {

QImage WrapAsQImage(const Bitmap& bitmap) {
  if (bitmap.empty()) return QImage();
  return QImage(bitmap.data(), bitmap.width(), bitmap.height(), static_cast<qsizetype>(bitmap.stride()),
                bitmap.hasAlpha() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

Bitmap BitmapFromQImage(const QImage& image) {
  if (image.isNull()) return Bitmap();
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Bitmap bitmap = Bitmap::Create(argb.width(), argb.height());
  if (bitmap.empty()) return bitmap;
  for (int y = 0; y < argb.height(); ++y) std::memcpy(bitmap.row(y), argb.constScanLine(y), bitmap.stride());
  bitmap.setHasAlpha(image.hasAlphaChannel());
  return bitmap;
}

}  // namespace lumidex
