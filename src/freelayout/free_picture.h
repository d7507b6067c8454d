#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/colour.h"
#include "foundation/file_types.h"
#include "foundation/status.h"
#include "freelayout/free_layout_item.h"
#include "images/bitmap.h"
#include "images/card_picture.h"

namespace lumidex {

class ShellImages;
class ThumbnailCache;

// The white border around a picture item: 5 pixels left and top, and 5 on
// the right and bottom, or 6 with the bevel ("imgshadow"), whose dark edge
// takes the extra pixel.
inline constexpr int kPictureBorder = 5;
int FarBorder(bool imgshadow);

// The Bitmap pixel (0xAARRGGBB, opaque) of an album colour.
constexpr uint32_t OpaquePixel(Colour colour) {
  return 0xFF000000u | (static_cast<uint32_t>(RedOf(colour)) << 16) |
         (static_cast<uint32_t>(GreenOf(colour)) << 8) | static_cast<uint32_t>(BlueOf(colour));
}

// A rectangle of pixels; right and bottom are exclusive.
struct PixelBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const PixelBox&) const = default;
};

// Where a picture goes inside an item of width x height: (5, 5) to
// (width - m, height - m) with m the far border.
PixelBox PictureArea(int width, int height, bool imgshadow);

// The bevelled edge of a picture item, drawn only with "imgshadow": light
// grey (0xC0C0C0) down the left column and along the top row, dark grey
// (0x808080) down the right column and along the bottom row, and the
// top-right and bottom-left corner pixels in the page colour. Nothing
// happens without "imgshadow" or on an empty bitmap.
void DrawBevel(Bitmap& canvas, bool imgshadow, Colour pageColour);

// The size of a picture item that keeps its proportions, from the size
// w x h it is given, the size it was last drawn at, and the picture's own
// size pw x ph: when only the height changed, the width follows it,
// trunc(h x (pw x 100 / ph) x 0.01); otherwise the height follows the
// width, trunc(w x (ph x 100 / pw) x 0.01). A picture without pixels leaves
// w x h as it is.
struct ItemPixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const ItemPixelSize&) const = default;
};
ItemPixelSize FitPictureAspect(ItemPixelSize given, ItemPixelSize drawn, ItemPixelSize picture);

// The switches and settings that change how pictures look. A value type.
struct FreePictureLook {
  bool imgshadow = false;       // bevel, and a far border of 6
  bool highQuality = false;     // the window's "高画質" switch
  bool rotationAllowed = true;  // the "画像の回転許可" switch
  bool printing = false;        // white instead of grey backgrounds
  Colour pageColour = kWhite;   // the light colour of the colour scheme
  // What a missing file's placeholder is filled with.
  Colour buttonFace = 0xF0F0F0;
  // "hispc": types always scaled in high quality.
  std::vector<std::string> highQualityTypes;
  // The user's further registrable types, drawn as their small icon.
  FileTypeLists types;
};

// The files pictures are read from. Implementations must be safe to call
// from several threads at once: a tab's pictures are drawn on two.
class FreePictureReader {
 public:
  virtual ~FreePictureReader() = default;
  virtual bool Exists(const std::string& path) const = 0;
  // The disk cache's thumbnail of `path` (JPEG bytes); nullopt when it holds
  // none.
  virtual std::optional<std::string> CachedThumbnail(const std::string& path) const = 0;
  // The picture of `request.path`, a JPEG decoded at the smallest scale that
  // covers the request's box.
  virtual Result<CardPicture> Load(const CardPictureRequest& request) const = 0;
  virtual const ShellImages& shell() const = 0;
};

// The reader of the real files: LoadCardPicture, the thumbnails of `cache`
// (none when null) and `shell`. Both must outlive the reader; the cache is
// only looked up (reads), never written.
std::unique_ptr<FreePictureReader> MakeFilePictureReader(const ThumbnailCache* cache,
                                                         const ShellImages& shell);

// What a picture item draws at a size.
struct FreePictureRequest {
  std::string path;
  ItemPixelSize size;   // the start size w x h
  ItemPixelSize drawn;  // the size last drawn, for the keep-aspect rule
  bool keepAspect = false;
  bool fitAspect = true;  // let a keepAspect picture change its other side
  Colour background = kWhite;
};

enum class FreePictureKind {
  kPicture,  // the picture inside the white border
  kDesktop,  // a file of no picture type: the desktop's picture, no border
  kMissing,  // the file does not exist: the placeholder (without its text)
};

struct FreePicture {
  Bitmap bitmap;
  FreePictureKind kind = FreePictureKind::kPicture;
};

// Draws the picture of `request` on a bitmap of its final size: the start
// size, or with keepAspect the size FitPictureAspect gives (a managed type
// counts as a 16 x 16 picture). The bitmap is white with the picture scaled
// into PictureArea: in high quality (area average) when the window's switch
// is on or the type is in "hispc" (icons excepted), else by plain
// stretching (an icon then fills the whole bitmap); with the switch off the
// disk cache's thumbnail stands in for the file. A JPEG is decoded only as
// large as its area needs. A file that does not exist gives the
// placeholder: button face inside the border, white around it. A file no
// decoder reads gives the empty white item. No bevel: DrawPictureItem adds
// it. Thread-safe as far as `reader` is.
FreePicture DrawFreePicture(const FreePictureRequest& request, const FreePictureLook& look,
                            const FreePictureReader& reader);

// The bitmap a picture item shows.
struct PictureItemBitmap {
  Bitmap bitmap;
  // The picture's size before rotation (the item's baseWidth x baseHeight
  // after drawing); the bitmap's own size when not turned.
  ItemPixelSize base;
  bool missing = false;  // the placeholder: its text goes into MissingTextArea
  bool rotated = false;
  // The colour that shows the canvas through an item with clearBack: the
  // grey corners of a turned picture, else white.
  Colour transparentColour = kWhite;
};

// A picture item at the start size `size` (with `drawn` and `fitAspect`
// as for DrawFreePicture): the picture, then, when the item is turned and
// the rotation switch allows it, turned (RotateItemPicture, whose target
// then is the bitmap); an unturned item gets the bevel. The placeholder of
// a missing file is never turned. Thread-safe as far as `reader` is.
PictureItemBitmap DrawPictureItem(const FreeLayoutItem& item, ItemPixelSize size,
                                  ItemPixelSize drawn, bool fitAspect, const FreePictureLook& look,
                                  const FreePictureReader& reader);

// Where the placeholder's text "不明ファイル" goes: (10, 10) to
// (width - m, height - m).
PixelBox MissingTextArea(int width, int height, bool imgshadow);

}  // namespace lumidex
