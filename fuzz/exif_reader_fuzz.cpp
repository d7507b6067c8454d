// fuzz-libs: lumidex_images lumidex_foundation
// Any bytes, as a whole JPEG file and as an Exif segment, give lines or
// nothing: never a read outside the data, a crash or a hang.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "images/exif_reader.h"
#include "images/exif_segment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const std::string& line : ExifLinesOf(bytes)) {
    if (line.size() < 3 || line[2] != '=') std::abort();
  }
  if (const auto segment = FindExifSegment(bytes)) {
    if (segment->size() > bytes.size()) std::abort();
    (void)ExifLinesOf(*segment);
    (void)ExifTagOf(*segment, kExifSubIfd, 0x9003);
  }
  return 0;
}
