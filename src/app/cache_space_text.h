#pragma once

#include <string>

namespace lumidex {

class ThumbnailCache;

// The disk indicator's text: the free space on the cache folder's drive and
// the size of the cache, "<free>/<cache>", each FormatByteSize of them (with
// two decimals when `twoDecimals`). A drive that cannot be asked counts as 0.
std::string CacheSpaceText(const ThumbnailCache& cache, bool twoDecimals);

}  // namespace lumidex
