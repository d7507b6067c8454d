#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumidex {

// The summary of one page in the shown year, as the calendar draws it. A
// value type: copyable and comparable.
struct GRPDATA {
  std::string name;                        // the page "mm/dd"
  std::optional<std::string> thumbnail;    // compressed picture of the cover, or none
  int32_t imageCount = 0;                  // entries of the page that are not sub-albums
  int32_t subAlbumCount = 0;               // sub-album entries of the page
  int32_t subAlbumImageCount = 0;          // entries of those sub-albums' sections
  bool iconCover = false;                  // the cover is shown as the file's icon

  bool operator==(const GRPDATA&) const = default;
};

}  // namespace lumidex
