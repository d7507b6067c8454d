// fuzz-libs: lumidex_images lumidex_foundation
// Any bytes read as a bitmap file give an opaque picture or an error.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "images/dib_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  Result<Bitmap> bitmap = DecodeBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (bitmap.ok() && (bitmap.value().empty() || bitmap.value().hasAlpha())) std::abort();
  return 0;
}
