#include "images/actual_copy.h"

#include "foundation/file_types.h"
#include "images/composite.h"
#include "images/decode_memory.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"

namespace lumidex {
namespace {

// One picture at its own size may take this much: a 100-megapixel camera
// picture as a bitmap (400 MB) with the buffers of a baseline decode. The
// view decodes one picture at a time, so the window stays well under 1 GB.
constexpr int64_t kMaxActualSizeBytes = int64_t{512} << 20;

// The largest scale k/8 whose decode fits kMaxActualSizeBytes.
JpegDecodeOptions LargestFittingScale(std::string_view bytes) {
  JpegDecodeOptions options;
  options.maxBytes = kMaxActualSizeBytes;
  Result<JpegSize> size = ReadJpegSize(bytes);
  if (!size.ok()) return options;
  for (int eighths = 8; eighths >= 1; --eighths) {
    options.coverWidth = static_cast<int>((int64_t{size.value().width} * eighths + 7) / 8);
    options.coverHeight = static_cast<int>((int64_t{size.value().height} * eighths + 7) / 8);
    Result<int64_t> bytesNeeded = JpegDecodeBytes(bytes, options);
    if (bytesNeeded.ok() && bytesNeeded.value() <= options.maxBytes) return options;
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
