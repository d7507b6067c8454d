#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"

namespace lumidex {

class ShellImages;

// How a picture shown large on a card (the picture view, the preview card
// over the list) is read, by the file's lower-case extension.
enum class CardPictureSource {
  kBitmapFile,  // ".dib": the bitmap reader
  kPng,         // ".png": DecodePng, composited over the window colour
  kGif,         // ".gif": the desktop's picture at the GIF's own size
  kIcon,        // ".ico": the icon file's first image at its own size
  kPicture,     // any other thumbnail type: LoadPicture
  kShell,       // anything else: the desktop's picture fitted to the card
};
CardPictureSource CardPictureSourceFor(std::string_view extension);

// A picture ready to be scaled onto a card: opaque, transparent parts
// already laid over the window colour (an icon's masked pixels over the
// mask colour).
struct CardPicture {
  Bitmap bitmap;
  // The picture's own size, which decides how it is fitted and whether it
  // is "large". The bitmap is smaller when a JPEG was decoded at a reduced
  // scale; otherwise it is the bitmap's size.
  int width = 0;
  int height = 0;
  bool icon = false;  // drawn one pixel lower than other pictures
  // It was made for the card's picture box (by the desktop, or a JPEG
  // decoded at a reduced scale), so a box of another size reads it again.
  bool fittedToCard = false;
};

// What to read and for which card.
struct CardPictureRequest {
  std::string path;
  // The card's picture box; a JPEG is decoded at the smallest scale that
  // still covers it, the desktop is asked for pictures of this size.
  int boxWidth = 0;
  int boxHeight = 0;
  // 0x00BBGGRR: what transparent pixels are laid over, and what the pixels
  // outside an icon's mask become (white on a card's face, the window
  // colour straight on the dark full-screen background).
  uint32_t windowColour = 0xFFFFFF;
  uint32_t maskColour = 0xFFFFFF;
};

// Loads the picture of `request`. A GIF the desktop has no picture of is
// decoded here (its first frame), so the card never stays blank for a GIF
// the album can read. A JPEG whose header declares more than
// kMaxBitmapPixels is refused by that size before anything is decoded, even
// when the reduced decode would be small: no camera writes such a file, and
// its decode would still walk every block of it.
// Errors: the file cannot be read ("ファイル %s は開けません"), the decoders'
// messages (a damaged or too large picture), or the desktop has no picture
// of a file of another type ("未対応の画像形式です"). Thread-safe as far as
// `shell` is.
Result<CardPicture> LoadCardPicture(const CardPictureRequest& request, const ShellImages& shell);

}  // namespace lumidex
