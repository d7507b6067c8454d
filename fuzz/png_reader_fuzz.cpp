// fuzz-libs: lumidex_images lumidex_foundation
// Any bytes decode to a picture or an error; libpng's errors never end the
// process and never leave a half-made bitmap of the wrong size.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "images/png_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  Result<lumidex::Bitmap> bitmap = DecodePng(std::string_view(reinterpret_cast<const char*>(data), size));
  if (bitmap.ok() && bitmap.value().empty()) std::abort();
  return 0;
}
