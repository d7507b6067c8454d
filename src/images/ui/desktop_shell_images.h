#pragma once

#include <optional>
#include <string>

#include "images/shell_images.h"

namespace lumidex {

// The desktop's pictures of files the album cannot decode, after the
// freedesktop conventions:
// - ShellThumbnail: the shared thumbnail cache ($XDG_CACHE_HOME/thumbnails, the
//   PNG named by the MD5 of the file's URI, used only while its
//   "Thumb::MTime" matches the file), then the thumbnailers installed in
//   /usr/share/thumbnailers for the file's MIME type (run with a time
//   limit of 10 s), then the type icon; fitted into the requested box.
// - ShellIcon: the icon theme's icon of the file's MIME type (or its generic
//   icon), else Qt's file icon, else a plain document icon; a folder gets
//   the folder icon.
// Uses QIcon and QProcess: main thread only.
class DesktopShellImages final : public ShellImages {
 public:
  std::optional<Bitmap> ShellThumbnail(const std::string& path, int width, int height) const override;
  Bitmap ShellIcon(const std::string& path, bool large) const override;
};

// The thumbnail of `path` in the freedesktop thumbnail cache below
// `cacheRoot` (the "thumbnails" folder), when present and current.
std::optional<Bitmap> CachedDesktopThumbnail(const std::string& path, const std::string& cacheRoot);

}  // namespace lumidex
