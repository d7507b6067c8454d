#pragma once

#include <QImage>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace lumidex {

// Decoded page covers for the calendar cells, so that a repaint does not
// decode the same thumbnail again. An entry is keyed by the page's "mm/dd"
// and remembers which bytes it was made from: other bytes for the same page
// (a new cover) decode anew. A cover is decoded for each size asked for and
// smoothly scaled to it; only the scaled pictures are kept. Main thread
// only.
class CoverCache {
 public:
  // The cover of `md` decoded from `jpeg` and scaled to width x height, as
  // an opaque 32-bit image. A null image when the bytes do not decode.
  QImage Scaled(std::string_view md, std::string_view jpeg, int width, int height);

  // The size the cover's JPEG header declares, (0, 0) when it is no JPEG.
  std::pair<int, int> SizeOf(std::string_view md, std::string_view jpeg);

  // Forgets every entry (the page summaries were rebuilt).
  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    const char* data = nullptr;
    size_t size = 0;
    int width = 0;
    int height = 0;
    std::map<std::pair<int, int>, QImage> scaled;
  };
  Entry& EntryFor(std::string_view md, std::string_view jpeg);

  std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace lumidex
