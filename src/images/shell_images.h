#pragma once

#include <optional>
#include <string>

#include "images/bitmap.h"

namespace lumidex {

// What the desktop knows about files the album cannot decode itself: their
// thumbnails and their type icons. The window supplies one built on the
// freedesktop thumbnail cache and the icon theme; the command-line tool and
// tests use NoShellImages(). Implementations say whether they are
// thread-safe; the thumbnail makers call them only from the thread that
// calls the maker.
class ShellImages {
 public:
  virtual ~ShellImages() = default;

  // The desktop's thumbnail of `path` fitted into width x height, possibly
  // with alpha; nullopt when there is none.
  virtual std::optional<Bitmap> ShellThumbnail(const std::string& path, int width, int height) const = 0;

  // The icon of the file's type, 32 x 32 when `large`, else 16 x 16, with
  // alpha. Never empty: a generic document icon stands in for unknown types.
  virtual Bitmap ShellIcon(const std::string& path, bool large) const = 0;
};

// Thread-safe stand-in without a desktop: no thumbnails, and for every file
// a plain document icon (a white sheet with a grey edge).
const ShellImages& NoShellImages();

}  // namespace lumidex
