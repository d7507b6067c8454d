#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// What the slide show reads and opens. The window implements it over the
// album store (opening pages and sub-albums there so the image list shows
// them, and choosing the music); the command line over the album files,
// read-only (FileSlideAlbum).
//
// Lines are entry lines as the album stores them: "key=comment", where the
// key is a file path or "@" + a sub-album section ("mm/dd" + name).
class SlideAlbum {
 public:
  virtual ~SlideAlbum() = default;

  // Opens page `page` ("mm/dd") of year `year` ("yyyy") as the current
  // container, leaving an open sub-album first, and returns its entry lines
  // in document order; nullopt when that year's document has no section for
  // the page (nothing is opened then).
  virtual std::optional<std::vector<std::string>> OpenPage(std::string_view year,
                                                           std::string_view page) = 0;
  // Opens sub-album `section` ("mm/dd" + name) of the open page and returns
  // its lines; when it has no lines nothing is opened and the result is
  // empty. REQUIRES: a page and no sub-album is open.
  virtual std::vector<std::string> OpenSubAlbum(std::string_view section) = 0;
  // Leaves the open sub-album for its page; returns the page's lines.
  // REQUIRES: a sub-album is open.
  virtual std::vector<std::string> BackToPage() = 0;
  // Whether page `page` of year `year` is locked: the lock list "daylc.ini"
  // holds the key "yyyy/mm/dd" in section "LCK".
  virtual bool IsLocked(std::string_view year, std::string_view page) const = 0;
  // Whether `path` names an existing file of the picture types
  // (FileTypeLists::IsImageType on its extension).
  virtual bool IsShowablePicture(const std::string& path) const = 0;
};

}  // namespace lumidex
