#include "freelayout/free_picture.h"

#include <cstring>

#include "foundation/file_paths.h"
#include "freelayout/item_rotation.h"
#include "images/image_types.h"
#include "images/jpeg_codec.h"
#include "images/scaling.h"
#include "images/shell_images.h"
#include "images/thumbnail_cache.h"

namespace lumidex {
namespace {

constexpr Colour kLightEdge = 0xC0C0C0;
constexpr Colour kDarkEdge = 0x808080;
// The size every managed type's icon is drawn from.
constexpr int kManagedIconSize = 16;

void FillRect(Bitmap& bitmap, PixelBox rect, Colour colour) {
  const uint32_t argb = OpaquePixel(colour);
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, bitmap.height()); ++y) {
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, bitmap.width()); ++x) {
      bitmap.SetPixel(x, y, argb);
    }
  }
}

void Blit(Bitmap& target, const Bitmap& source, int left, int top) {
  for (int y = 0; y < source.height(); ++y) {
    if (top + y < 0 || top + y >= target.height()) continue;
    const int from = std::max(0, -left);
    const int to = std::min(source.width(), target.width() - left);
    if (to <= from) continue;
    std::memcpy(target.row(top + y) + 4 * (left + from), source.row(y) + 4 * from,
                static_cast<size_t>(to - from) * 4);
  }
}

Bitmap WhiteBitmap(ItemPixelSize size, Colour background) {
  Bitmap bitmap = Bitmap::Create(size.width, size.height);
  if (!bitmap.empty()) bitmap.Fill(background);
  return bitmap;
}

// The source picture and the size its proportions are taken from.
struct Source {
  Bitmap bitmap;
  ItemPixelSize own;
};

// With keep-aspect sizing the area's other side is not known before the
// picture's proportions are; the side that leads is enough to choose the
// JPEG scale, as the other follows it.
CardPictureRequest LoadRequest(const FreePictureRequest& request, const FreePictureLook& look) {
  const PixelBox area = PictureArea(request.size.width, request.size.height, look.imgshadow);
  CardPictureRequest load;
  load.path = request.path;
  load.boxWidth = std::max(area.width(), 1);
  load.boxHeight = std::max(area.height(), 1);
  if (request.keepAspect && request.fitAspect) {
    const bool heightLeads = request.size.width == request.drawn.width &&
                             request.size.height != request.drawn.height;
    (heightLeads ? load.boxWidth : load.boxHeight) = 1;
  }
  load.windowColour = request.background;
  load.maskColour = request.background;
  return load;
}

Source ReadSource(const FreePictureRequest& request, const FreePictureLook& look,
                  const FreePictureReader& reader, bool managed) {
  if (!look.highQuality) {
    if (std::optional<std::string> cached = reader.CachedThumbnail(request.path)) {
      Result<Bitmap> thumbnail = DecodeJpeg(*cached);
      if (thumbnail.ok()) {
        Bitmap bitmap = std::move(thumbnail).value();
        const ItemPixelSize own{bitmap.width(), bitmap.height()};
        return {std::move(bitmap), own};
      }
    }
  }
  if (managed) {
    Bitmap icon = reader.shell().ShellIcon(request.path, false);
    Source source{Bitmap(), {kManagedIconSize, kManagedIconSize}};
    if (!icon.empty()) {
      source.bitmap = std::move(icon);
      if (source.bitmap.hasAlpha()) {
        // An icon's transparent parts show the item's background.
        Bitmap over = WhiteBitmap({source.bitmap.width(), source.bitmap.height()},
                                  request.background);
        for (int y = 0; y < over.height(); ++y) {
          for (int x = 0; x < over.width(); ++x) {
            const uint32_t p = source.bitmap.PixelAt(x, y);
            if ((p >> 24) >= 128) over.SetPixel(x, y, p | 0xFF000000u);
          }
        }
        source.bitmap = std::move(over);
      }
    }
    return source;
  }
  Result<CardPicture> picture = reader.Load(LoadRequest(request, look));
  if (!picture.ok()) return {};
  CardPicture card = std::move(picture).value();
  return {std::move(card.bitmap), {card.width, card.height}};
}

}  // namespace

int FarBorder(bool imgshadow) { return imgshadow ? 6 : 5; }

PixelBox PictureArea(int width, int height, bool imgshadow) {
  const int far = FarBorder(imgshadow);
  return {kPictureBorder, kPictureBorder, width - far, height - far};
}

PixelBox MissingTextArea(int width, int height, bool imgshadow) {
  const int far = FarBorder(imgshadow);
  return {10, 10, width - far, height - far};
}

void DrawBevel(Bitmap& canvas, bool imgshadow, Colour pageColour) {
  if (!imgshadow || canvas.empty()) return;
  const int w = canvas.width();
  const int h = canvas.height();
  const uint32_t light = OpaquePixel(kLightEdge);
  const uint32_t dark = OpaquePixel(kDarkEdge);
  // The lines leave out their end points, as the album's line drawing
  // always did: the dark edge starts one row down and ends one column in.
  for (int y = 0; y < h; ++y) canvas.SetPixel(0, y, light);
  for (int x = 0; x < w; ++x) canvas.SetPixel(x, 0, light);
  for (int y = 1; y < h - 1; ++y) canvas.SetPixel(w - 1, y, dark);
  for (int x = 2; x < w; ++x) canvas.SetPixel(x, h - 1, dark);
  canvas.SetPixel(w - 1, 0, OpaquePixel(pageColour));
  canvas.SetPixel(0, h - 1, OpaquePixel(pageColour));
}

ItemPixelSize FitPictureAspect(ItemPixelSize given, ItemPixelSize drawn, ItemPixelSize picture) {
  if (picture.width <= 0 || picture.height <= 0) return given;
  ItemPixelSize fitted = given;
  if (given.width == drawn.width && given.height != drawn.height) {
    fitted.width = static_cast<int>(given.height * (picture.width * 100.0 / picture.height) * 0.01);
  } else {
    fitted.height = static_cast<int>(given.width * (picture.height * 100.0 / picture.width) * 0.01);
  }
  return fitted;
}

FreePicture DrawFreePicture(const FreePictureRequest& request, const FreePictureLook& look,
                            const FreePictureReader& reader) {
  if (!reader.Exists(request.path)) {
    FreePicture missing{WhiteBitmap(request.size, kWhite), FreePictureKind::kMissing};
    FillRect(missing.bitmap,
             {kPictureBorder, kPictureBorder, request.size.width - kPictureBorder,
              request.size.height - kPictureBorder},
             look.buttonFace);
    return missing;
  }
  const std::string extension = ExtensionOf(request.path);
  const bool managed = look.types.IsManagedType(extension);
  if (!managed && !FileTypeLists::IsThumbType(extension) && extension != ".png" &&
      extension != ".gif") {
    std::optional<Bitmap> desktop =
        reader.shell().ShellThumbnail(request.path, request.size.width, request.size.height);
    FreePicture picture{WhiteBitmap(request.size, request.background), FreePictureKind::kDesktop};
    if (desktop && !desktop->empty()) {
      Bitmap scaled = ScaleAreaAverage(*desktop, request.size.width, request.size.height);
      if (!scaled.empty()) Blit(picture.bitmap, scaled, 0, 0);
    }
    return picture;
  }

  Source source = ReadSource(request, look, reader, managed);
  ItemPixelSize size = request.size;
  if (request.keepAspect && request.fitAspect) {
    size = FitPictureAspect(request.size, request.drawn, source.own);
  }
  FreePicture picture{WhiteBitmap(size, request.background), FreePictureKind::kPicture};
  if (picture.bitmap.empty() || source.bitmap.empty()) return picture;

  const bool icon = extension == ".ico";
  const bool highQuality =
      look.highQuality || (!icon && ContainsType(look.highQualityTypes, extension));
  PixelBox area = PictureArea(size.width, size.height, look.imgshadow);
  if (icon && !highQuality) area = {0, 0, size.width, size.height};
  if (area.width() < 1 || area.height() < 1) return picture;
  const Bitmap scaled = highQuality ? ScaleAreaAverage(source.bitmap, area.width(), area.height())
                                    : ScaleNearest(source.bitmap, area.width(), area.height());
  Blit(picture.bitmap, scaled, area.left, area.top);
  picture.bitmap.MakeOpaque();
  return picture;
}

PictureItemBitmap DrawPictureItem(const FreeLayoutItem& item, ItemPixelSize size,
                                  ItemPixelSize drawn, bool fitAspect, const FreePictureLook& look,
                                  const FreePictureReader& reader) {
  FreePictureRequest request;
  request.path = item.value;
  request.size = size;
  request.drawn = drawn;
  request.keepAspect = item.keepAspect;
  request.fitAspect = fitAspect;
  FreePicture picture = DrawFreePicture(request, look, reader);
  PictureItemBitmap result;
  result.base = {picture.bitmap.width(), picture.bitmap.height()};
  result.missing = picture.kind == FreePictureKind::kMissing;
  if (item.rotation > 0 && !result.missing) {
    if (look.rotationAllowed && !picture.bitmap.empty()) {
      PictureRotation rotation;
      rotation.rotation = item.rotation;
      rotation.bevel = look.imgshadow;
      rotation.edgeFix = item.edgeFix;
      rotation.printing = look.printing;
      rotation.pageColour = look.pageColour;
      result.bitmap = RotateItemPicture(picture.bitmap, result.base.width, result.base.height,
                                        rotation);
      result.rotated = !result.bitmap.empty();
      const int grey = RotationGreyLevel(look.printing);
      result.transparentColour = RgbColour(grey, grey, grey);
    }
    if (!result.rotated) result.bitmap = std::move(picture.bitmap);
    return result;
  }
  result.bitmap = std::move(picture.bitmap);
  DrawBevel(result.bitmap, look.imgshadow, look.pageColour);
  return result;
}

namespace {

class FilePictureReader : public FreePictureReader {
 public:
  FilePictureReader(const ThumbnailCache* cache, const ShellImages& shell)
      : cache_(cache), shell_(shell) {}
  bool Exists(const std::string& path) const override { return FileExists(path); }
  std::optional<std::string> CachedThumbnail(const std::string& path) const override {
    if (cache_ == nullptr || !cache_->useCache()) return std::nullopt;
    return cache_->CacheLookup(path);
  }
  Result<CardPicture> Load(const CardPictureRequest& request) const override {
    return LoadCardPicture(request, shell_);
  }
  const ShellImages& shell() const override { return shell_; }

 private:
  const ThumbnailCache* const cache_;
  const ShellImages& shell_;
};

}  // namespace

std::unique_ptr<FreePictureReader> MakeFilePictureReader(const ThumbnailCache* cache,
                                                         const ShellImages& shell) {
  return std::make_unique<FilePictureReader>(cache, shell);
}

}  // namespace lumidex
