#pragma once

#include <cstdint>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

// The first image of an icon file.
struct IconImage {
  Bitmap bitmap;     // BGRA; alpha 0 where the icon is transparent
  int bitDepth = 0;  // bits per pixel of the stored image (32 for PNG images)
  int width = 0;
  int height = 0;
};

// Reads an icon file (".ico"): the 6-byte directory and only its first
// 16-byte entry, whatever the size it names; the image it points to is a
// device-independent bitmap with its mask, or a PNG image (the 256-pixel
// images of modern icons), whose alpha gives the mask. Error when the file
// is empty, the directory or entry lies outside the file, or the image does
// not decode. Thread-safe.
Result<IconImage> LoadIconFile(std::string_view bytes);

// The memory LoadIconFile takes for the first image as its header declares
// it (PngDecodeBytes or DibDecodeBytes); 0 when the directory is damaged.
int64_t IconDecodeBytes(std::string_view bytes);

}  // namespace lumidex
