// fuzz-libs: lumidex_images lumidex_foundation
// Any bytes give a probe and a first frame of the logical screen's size, or
// an error.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "images/gif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const GifProbe probe = ProbeGif(bytes);
  Result<Bitmap> frame = DecodeGifFirstFrame(bytes);
  if (frame.ok() && !probe.isGif) std::abort();
  if (frame.ok() && probe.width > 0 && frame.value().width() != probe.width) std::abort();
  return 0;
}
