#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

class ShellImages;

// How the preview card reads a file, by its lower-case extension.
enum class PreviewSource {
  kBitmapFile,  // ".dib": the bitmap reader
  kPng,         // ".png": DecodePng, composited over the window colour
  kGif,         // ".gif": the desktop's picture at the GIF's own size
  kIcon,        // ".ico": the icon file's first image at its own size
  kPicture,     // any other thumbnail type: LoadPicture
  kShell,       // anything else: the desktop's picture fitted to the card
};
PreviewSource PreviewSourceFor(std::string_view extension);

// A picture ready to be scaled onto the preview card: opaque, transparent
// parts already laid over the window colour (white under an icon's mask).
struct PreviewPicture {
  Bitmap bitmap;
  bool icon = false;  // drawn one pixel lower (see PreviewPictureRect)
  // It was made for the card's picture box (by the desktop, or a JPEG
  // decoded at a reduced scale), so a card of another size reads it again.
  bool fittedToCard = false;
};

// Loads `path` for a card whose picture box is `boxWidth` x `boxHeight`.
// `windowColour` (0x00BBGGRR) is what transparent pixels are laid over.
// A JPEG is decoded at the smallest scale that still covers the box.
// A GIF the desktop has no picture of, and a file of a type without a
// desktop picture, are decoded here (the first frame of a GIF) so the card
// never stays blank for a picture the album can read. Errors: the file
// cannot be read or decoded ("ファイル %s は開けません" and the decoders'
// messages), or the desktop has no picture of a file of another type.
// Thread-safe as far as `shell` is.
Result<PreviewPicture> LoadPreviewPicture(const std::string& path, int boxWidth, int boxHeight,
                                          uint32_t windowColour, const ShellImages& shell);

}  // namespace lumidex
