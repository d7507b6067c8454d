#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/status.h"
#include "images/bitmap.h"
#include "images/jpeg_codec.h"

namespace lumidex {

// The whole content of a picture file. Error "ファイル %s は開けません"
// when it cannot be read. Thread-safe.
Result<std::string> ReadPictureFile(const std::string& path);

// Decodes a picture by its extension (lower-cased): ".jpg" and ".jpeg" with
// the JPEG decoder (using `jpeg`), ".bmp" and ".dib" with the bitmap reader,
// ".ico" (the first image, its transparency kept as alpha), ".png", ".gif"
// (the first frame). Error "未対応の画像形式です" for any other extension,
// including the metafiles ".wmf" and ".emf", which have no decoder here;
// errors of the decoders otherwise. Thread-safe.
Result<Bitmap> DecodePicture(std::string_view bytes, std::string_view extension,
                             const JpegDecodeOptions& jpeg = {});

// The memory DecodePicture(bytes, extension, jpeg) takes, from the header
// alone (the decoders' own *DecodeBytes): above kMaxDecodeBytes the decoder
// refuses the picture. 0 for other extensions and for data whose header
// cannot be read, which the decoders refuse before allocating. Thread-safe.
int64_t DecodeMemoryNeed(std::string_view bytes, std::string_view extension,
                         const JpegDecodeOptions& jpeg = {});

// ReadPictureFile, then DecodePicture with the extension of `path`.
Result<Bitmap> LoadPicture(const std::string& path, const JpegDecodeOptions& jpeg = {});

}  // namespace lumidex
