#pragma once

#include <QImage>

#include "images/bitmap.h"

namespace lumidex {

// A QImage over the pixels of `bitmap`, without copying: ARGB32 (the BGRA
// byte order of Bitmap on little-endian machines), premultiplied only in
// the sense Qt expects of ARGB32, i.e. not at all. The QImage is valid
// while `bitmap` lives and is not resized.
QImage WrapAsQImage(const Bitmap& bitmap);

// A Bitmap copy of `image` in any format; hasAlpha() when the image has an
// alpha channel. Empty for a null image or one beyond kMaxBitmapPixels.
Bitmap BitmapFromQImage(const QImage& image);

}  // namespace lumidex
