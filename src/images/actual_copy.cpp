#include "images/actual_copy.h"

#include "foundation/file_types.h"
#include "images/composite.h"
#include "images/decode_memory.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"

namespace lumidex {
namespace {

// The largest scale k/8 whose decode fits the decoder's memory budget.
JpegDecodeOptions LargestFittingScale(std::string_view bytes) {
  JpegDecodeOptions options;
  Result<JpegSize> size = ReadJpegSize(bytes);
  if (!size.ok()) return options;
  for (int eighths = 8; eighths >= 1; --eighths) {
    options.coverWidth = static_cast<int>((int64_t{size.value().width} * eighths + 7) / 8);
    options.coverHeight = static_cast<int>((int64_t{size.value().height} * eighths + 7) / 8);
    Result<int64_t> bytesNeeded = JpegDecodeBytes(bytes, options);
    if (bytesNeeded.ok() && bytesNeeded.value() <= kMaxDecodeBytes) return options;
  }
  return options;
}

}  // namespace

Result<Bitmap> LoadActualCopy(const std::string& path, Colour windowColour) {
  Result<std::string> bytes = ReadPictureFile(path);
  if (!bytes.ok()) return bytes.status();
  const std::string extension = ExtensionOf(path);
  JpegDecodeOptions options;
  if (extension == ".jpg" || extension == ".jpeg") options = LargestFittingScale(bytes.value());
  Result<Bitmap> picture = DecodePicture(bytes.value(), extension, options);
  if (!picture.ok()) return picture.status();
  Bitmap bitmap = std::move(picture).value();
  if (bitmap.empty()) return Status::Error("未対応の画像形式です");
  CompositeOverColour(bitmap, windowColour);
  bitmap.MakeOpaque();
  return bitmap;
}

}  // namespace lumidex
