#include "images/icon_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "images/dib_decoder.h"
#include "images/little_endian.h"
#include "images/png_reader.h"

namespace lumidex {
namespace {

// The image the first directory entry points at; nullopt when the
// directory or the entry lies outside the file.
std::optional<std::string_view> FirstImage(std::string_view bytes) {
  constexpr size_t kDirectory = 6, kEntry = 16;
  if (bytes.size() < kDirectory + kEntry || LittleEndian16(bytes, 0) != 0 ||
      LittleEndian16(bytes, 4) == 0) {
    return std::nullopt;
  }
  const size_t size = LittleEndian32(bytes, kDirectory + 8);
  const size_t offset = LittleEndian32(bytes, kDirectory + 12);
  if (offset >= bytes.size()) return std::nullopt;
  // The entry's byte count is often wrong in hand-made icons; the image
  // cannot reach past the file either way.
  return bytes.substr(offset, std::min(size, bytes.size() - offset));
}

}  // namespace

int64_t IconDecodeBytes(std::string_view bytes) {
  const std::optional<std::string_view> image = FirstImage(bytes);
  if (!image) return 0;
  return HasPngSignature(*image) ? PngDecodeBytes(*image) : DibDecodeBytes(*image, true);
}

Result<IconImage> LoadIconFile(std::string_view bytes) {
  const std::optional<std::string_view> first = FirstImage(bytes);
  if (!first) return Status::Error("アイコンファイルを読み込めません");
  const std::string_view image = *first;
  IconImage icon;
  if (HasPngSignature(image)) {
    Result<Bitmap> png = DecodePng(image);
    if (!png.ok()) return png.status();
    icon.bitmap = std::move(png.value());
    icon.bitmap.setHasAlpha(true);
    icon.bitDepth = 32;
  } else {
    Result<DibImage> dib = DecodeDib(image, 0, true);
    if (!dib.ok()) return dib.status();
    icon.bitmap = std::move(dib.value().bitmap);
    icon.bitDepth = dib.value().bitCount;
  }
  icon.width = icon.bitmap.width();
  icon.height = icon.bitmap.height();
  return icon;
}

}  // namespace lumidex
