#include "imagelist/preview_picture.h"

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

constexpr uint32_t kWhite = 0xFFFFFF;

Result<PreviewPicture> Opaque(Bitmap bitmap, uint32_t colour, bool fittedToCard = false) {
  if (bitmap.empty()) return Status::Error("未対応の画像形式です");
  CompositeOverColour(bitmap, colour);
  bitmap.MakeOpaque();
  return PreviewPicture{std::move(bitmap), false, fittedToCard};
}

Result<PreviewPicture> FromShell(const std::string& path, int width, int height, uint32_t colour,
                                 const ShellImages& shell, bool fittedToCard) {
  std::optional<Bitmap> picture = shell.ShellThumbnail(path, width, height);
  if (!picture) return Status::Error("未対応の画像形式です");
  return Opaque(std::move(*picture), colour, fittedToCard);
}

// An icon at its own size: a 32-bit icon blended over the window colour,
// any other one white where its mask is transparent.
PreviewPicture FromIcon(IconImage icon, uint32_t colour) {
  if (icon.bitDepth == 32) {
    CompositeOverColour(icon.bitmap, colour);
  } else {
    ApplyMaskOverColour(icon.bitmap, kWhite);
  }
  icon.bitmap.MakeOpaque();
  return PreviewPicture{std::move(icon.bitmap), true, false};
}

Result<PreviewPicture> FromGif(const std::string& path, std::string_view bytes, int boxWidth,
                               int boxHeight, uint32_t colour, const ShellImages& shell) {
  const GifProbe probe = ProbeGif(bytes);
  if (!probe.isGif) return FromShell(path, boxWidth, boxHeight, colour, shell, true);
  if (Result<PreviewPicture> desktop =
          FromShell(path, probe.width, probe.height, colour, shell, false);
      desktop.ok()) {
    return desktop;
  }
  Result<Bitmap> frame = DecodeGifFirstFrame(bytes);
  if (!frame.ok()) return frame.status();
  return Opaque(std::move(frame).value(), colour);
}

}  // namespace

PreviewSource PreviewSourceFor(std::string_view extension) {
  if (extension == ".dib") return PreviewSource::kBitmapFile;
  if (extension == ".png") return PreviewSource::kPng;
  if (extension == ".gif") return PreviewSource::kGif;
  if (extension == ".ico") return PreviewSource::kIcon;
  if (FileTypeLists::IsThumbType(extension)) return PreviewSource::kPicture;
  return PreviewSource::kShell;
}

Result<PreviewPicture> LoadPreviewPicture(const std::string& path, int boxWidth, int boxHeight,
                                          uint32_t windowColour, const ShellImages& shell) {
  const PreviewSource source = PreviewSourceFor(ExtensionOf(path));
  if (source == PreviewSource::kShell) {
    return FromShell(path, boxWidth, boxHeight, windowColour, shell, true);
  }
  if (source == PreviewSource::kPicture) {
    // A camera JPEG is decoded only as large as the card needs: the smallest
    // scale that still covers the picture box.
    JpegDecodeOptions jpeg;
    jpeg.coverWidth = boxWidth;
    jpeg.coverHeight = boxHeight;
    Result<Bitmap> picture = LoadPicture(path, jpeg);
    if (!picture.ok()) return picture.status();
    const std::string extension = ExtensionOf(path);
    return Opaque(std::move(picture).value(), windowColour,
                  extension == ".jpg" || extension == ".jpeg");
  }
  Result<std::string> bytes = ReadPictureFile(path);
  if (!bytes.ok()) return bytes.status();
  switch (source) {
    case PreviewSource::kBitmapFile: {
      Result<Bitmap> picture = DecodeBmp(bytes.value());
      if (!picture.ok()) return picture.status();
      return Opaque(std::move(picture).value(), windowColour);
    }
    case PreviewSource::kPng: {
      Result<Bitmap> picture = DecodePng(bytes.value());
      if (!picture.ok()) return picture.status();
      return Opaque(std::move(picture).value(), windowColour);
    }
    case PreviewSource::kGif:
      return FromGif(path, bytes.value(), boxWidth, boxHeight, windowColour, shell);
    default: {
      Result<IconImage> icon = LoadIconFile(bytes.value());
      if (!icon.ok()) return icon.status();
      return FromIcon(std::move(icon).value(), windowColour);
    }
  }
}

}  // namespace lumidex
