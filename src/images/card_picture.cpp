#include "images/card_picture.h"

#include "foundation/file_types.h"
#include "images/composite.h"
#include "images/dib_decoder.h"
#include "images/gif_reader.h"
#include "images/icon_reader.h"
#include "images/picture_loader.h"
#include "images/png_reader.h"
#include "images/shell_images.h"

namespace lumidex {
namespace {

Result<CardPicture> Opaque(Bitmap bitmap, uint32_t colour, bool fittedToCard = false) {
  if (bitmap.empty()) return Status::Error("未対応の画像形式です");
  CompositeOverColour(bitmap, colour);
  bitmap.MakeOpaque();
  const int width = bitmap.width();
  const int height = bitmap.height();
  return CardPicture{std::move(bitmap), width, height, false, fittedToCard};
}

Result<CardPicture> FromShell(const std::string& path, int width, int height, uint32_t colour,
                              const ShellImages& shell, bool fittedToCard) {
  std::optional<Bitmap> picture = shell.ShellThumbnail(path, width, height);
  if (!picture) return Status::Error("未対応の画像形式です");
  return Opaque(std::move(*picture), colour, fittedToCard);
}

// An icon at its own size: a 32-bit icon blended over the window colour,
// any other one in the mask colour where its mask is transparent.
CardPicture FromIcon(IconImage icon, uint32_t colour, uint32_t maskColour) {
  if (icon.bitDepth == 32) {
    CompositeOverColour(icon.bitmap, colour);
  } else {
    ApplyMaskOverColour(icon.bitmap, maskColour);
  }
  icon.bitmap.MakeOpaque();
  const int width = icon.bitmap.width();
  const int height = icon.bitmap.height();
  return CardPicture{std::move(icon.bitmap), width, height, true, false};
}

Result<CardPicture> FromGif(const CardPictureRequest& request, std::string_view bytes,
                            const ShellImages& shell) {
  const GifProbe probe = ProbeGif(bytes);
  if (!probe.isGif) {
    return FromShell(request.path, request.boxWidth, request.boxHeight, request.windowColour, shell,
                     true);
  }
  if (Result<CardPicture> desktop =
          FromShell(request.path, probe.width, probe.height, request.windowColour, shell, false);
      desktop.ok()) {
    return desktop;
  }
  Result<Bitmap> frame = DecodeGifFirstFrame(bytes);
  if (!frame.ok()) return frame.status();
  return Opaque(std::move(frame).value(), request.windowColour);
}

// A picture of the thumbnail types through the generic loader. A camera
// JPEG is decoded only as large as the card needs: the smallest scale that
// still covers the picture box.
Result<CardPicture> FromPicture(const CardPictureRequest& request) {
  Result<std::string> bytes = ReadPictureFile(request.path);
  if (!bytes.ok()) return bytes.status();
  const std::string extension = ExtensionOf(request.path);
  const bool jpeg = extension == ".jpg" || extension == ".jpeg";
  JpegSize own;
  if (jpeg) {
    Result<JpegSize> size = ReadJpegSize(bytes.value());
    if (!size.ok()) return size.status();
    own = size.value();
    // The decoder reads larger sources when it scales them down; a card
    // takes none beyond what a bitmap may hold.
    if (!Bitmap::SizeAllowed(own.width, own.height)) {
      return Status::Error("JPEG 画像を読み込めません: picture too large");
    }
  }
  JpegDecodeOptions options;
  options.coverWidth = request.boxWidth;
  options.coverHeight = request.boxHeight;
  Result<Bitmap> picture = DecodePicture(bytes.value(), extension, options);
  if (!picture.ok()) return picture.status();
  Result<CardPicture> card = Opaque(std::move(picture).value(), request.windowColour, jpeg);
  if (card.ok() && jpeg) {
    card.value().width = own.width;
    card.value().height = own.height;
  }
  return card;
}

}  // namespace

CardPictureSource CardPictureSourceFor(std::string_view extension) {
  if (extension == ".dib") return CardPictureSource::kBitmapFile;
  if (extension == ".png") return CardPictureSource::kPng;
  if (extension == ".gif") return CardPictureSource::kGif;
  if (extension == ".ico") return CardPictureSource::kIcon;
  if (FileTypeLists::IsThumbType(extension)) return CardPictureSource::kPicture;
  return CardPictureSource::kShell;
}

Result<CardPicture> LoadCardPicture(const CardPictureRequest& request, const ShellImages& shell) {
  const CardPictureSource source = CardPictureSourceFor(ExtensionOf(request.path));
  if (source == CardPictureSource::kShell) {
    return FromShell(request.path, request.boxWidth, request.boxHeight, request.windowColour, shell,
                     true);
  }
  if (source == CardPictureSource::kPicture) return FromPicture(request);
  Result<std::string> bytes = ReadPictureFile(request.path);
  if (!bytes.ok()) return bytes.status();
  switch (source) {
    case CardPictureSource::kBitmapFile: {
      Result<Bitmap> picture = DecodeBmp(bytes.value());
      if (!picture.ok()) return picture.status();
      return Opaque(std::move(picture).value(), request.windowColour);
    }
    case CardPictureSource::kPng: {
      Result<Bitmap> picture = DecodePng(bytes.value());
      if (!picture.ok()) return picture.status();
      return Opaque(std::move(picture).value(), request.windowColour);
    }
    case CardPictureSource::kGif:
      return FromGif(request, bytes.value(), shell);
    default: {
      Result<IconImage> icon = LoadIconFile(bytes.value());
      if (!icon.ok()) return icon.status();
      return FromIcon(std::move(icon).value(), request.windowColour, request.maskColour);
    }
  }
}

}  // namespace lumidex
