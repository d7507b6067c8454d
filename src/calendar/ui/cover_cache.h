#pragma once

#include <QImage>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "images/bitmap.h"

namespace lumidex {

// Decoded page covers for the calendar cells, so that a repaint does not
// decode the same thumbnail again. An entry is keyed by the page's "mm/dd"
// and remembers which bytes it was decoded from: other bytes for the same
// page (a new cover) decode anew. Scaled copies are kept per target size.
// Main thread only.
class CoverCache {
 public:
  // The cover of `md` decoded from `jpeg` and scaled to width x height (area
  // averaging), as an opaque 32-bit image that shares the cache's pixels
  // until the cache changes. A null image when the bytes do not decode.
  QImage Scaled(std::string_view md, std::string_view jpeg, int width, int height);

  // The decoded size of the cover, (0, 0) when it does not decode.
  std::pair<int, int> SizeOf(std::string_view md, std::string_view jpeg);

  // Forgets every entry (the page summaries were rebuilt).
  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    const char* data = nullptr;
    size_t size = 0;
    Bitmap decoded;
    std::map<std::pair<int, int>, Bitmap> scaled;
  };
  Entry& EntryFor(std::string_view md, std::string_view jpeg);

  std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace lumidex
