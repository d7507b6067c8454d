// fuzz-libs: lumidex_images lumidex_foundation
// Any bytes read as an icon file give an icon of the size it reports, or an
// error; never a crash or a read outside the data.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "images/icon_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  Result<IconImage> icon = LoadIconFile(std::string_view(reinterpret_cast<const char*>(data), size));
  if (icon.ok() && (icon.value().width != icon.value().bitmap.width() ||
                    icon.value().height != icon.value().bitmap.height())) {
    std::abort();
  }
  return 0;
}
