// fuzz-libs: lumidex_images lumidex_foundation
// Any bytes decode, fully and scaled for a list thumbnail, to a picture or
// an error; libjpeg's errors never end the process.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "images/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Result<JpegSize> header = ReadJpegSize(bytes);
  JpegDecodeOptions thumbnail;
  thumbnail.coverWidth = 170;
  thumbnail.coverHeight = 128;
  thumbnail.fast = true;
  Result<Bitmap> small = DecodeJpeg(bytes, thumbnail);
  if (small.ok() && !header.ok()) std::abort();
  // A full decode only of modest sizes, so the fuzzer keeps its pace.
  if (header.ok() && int64_t{header.value().width} * header.value().height <= 4'000'000) {
    (void)DecodeJpeg(bytes);
  }
  return 0;
}
