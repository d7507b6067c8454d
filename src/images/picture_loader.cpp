#include "images/picture_loader.h"

#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "images/dib_decoder.h"
#include "images/gif_reader.h"
#include "images/icon_reader.h"
#include "images/png_reader.h"

namespace lumidex {

Result<std::string> ReadPictureFile(const std::string& path) {
  Result<std::string> bytes = RealFileStore().ReadAll(path);
  if (!bytes.ok() && bytes.status().isNotFound()) return Status::Error(CannotOpenMessage(path));
  return bytes;
}

Result<Bitmap> DecodePicture(std::string_view bytes, std::string_view extension,
                             const JpegDecodeOptions& jpeg) {
  if (extension == ".jpg" || extension == ".jpeg") return DecodeJpeg(bytes, jpeg);
  if (extension == ".bmp" || extension == ".dib") return DecodeBmp(bytes);
  if (extension == ".png") return DecodePng(bytes);
  if (extension == ".gif") return DecodeGifFirstFrame(bytes);
  if (extension == ".ico") {
    Result<IconImage> icon = LoadIconFile(bytes);
    if (!icon.ok()) return icon.status();
    return std::move(icon.value().bitmap);
  }
  return Status::Error("未対応の画像形式です");
}

int64_t DecodeMemoryNeed(std::string_view bytes, std::string_view extension,
                         const JpegDecodeOptions& jpeg) {
  if (extension == ".jpg" || extension == ".jpeg") {
    Result<int64_t> need = JpegDecodeBytes(bytes, jpeg);
    return need.ok() ? need.value() : 0;
  }
  if (extension == ".bmp" || extension == ".dib") return BmpDecodeBytes(bytes);
  if (extension == ".png") return PngDecodeBytes(bytes);
  if (extension == ".gif") return GifDecodeBytes(bytes);
  if (extension == ".ico") return IconDecodeBytes(bytes);
  return 0;
}

Result<Bitmap> LoadPicture(const std::string& path, const JpegDecodeOptions& jpeg) {
  Result<std::string> bytes = ReadPictureFile(path);
  if (!bytes.ok()) return bytes.status();
  return DecodePicture(bytes.value(), ExtensionOf(path), jpeg);
}

}  // namespace lumidex
