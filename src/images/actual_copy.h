#pragma once

#include <string>

#include "foundation/colour.h"
#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

// Reads the picture for the actual-size view at its own size, opaque, with
// transparent parts over `windowColour`. A JPEG whose full decode would
// take more than 512 MB (beyond a 100-megapixel baseline camera file, or a
// progressive one of that size) is decoded at the largest of the scales
// 7/8 ... 1/8 that fits, so memory stays bounded; the view then shows it at
// that scale. A damaged JPEG keeps the
// rows decoded. Only the album's own decoders are used (no desktop
// thumbnails), so it is safe on any thread.
// Errors: the file cannot be read, or the decoders' messages.
Result<Bitmap> LoadActualCopy(const std::string& path, Colour windowColour);

}  // namespace lumidex
