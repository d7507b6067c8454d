#include "app/cache_space_text.h"

#include <filesystem>
#include <system_error>

#include "images/format_byte_size.h"
#include "images/thumbnail_cache.h"

namespace lumidex {

std::string CacheSpaceText(const ThumbnailCache& cache, bool twoDecimals) {
  std::error_code ec;
  const std::filesystem::space_info space = std::filesystem::space(cache.cacheDir(), ec);
  const int64_t available = ec ? 0 : static_cast<int64_t>(space.available);
  return FormatByteSize(available, twoDecimals) + "/" + FormatByteSize(cache.cachedBytes(), twoDecimals);
}

}  // namespace lumidex
