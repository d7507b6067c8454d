#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// Small helpers on file system paths that every part of the album shares.
// Paths use "/"; paths of Windows form from older albums are only text here.

// True when `path` names an existing file that is not a folder. Paths of
// Windows form from older albums never exist here.
bool FileExists(const std::string& path);
// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

// The folder that holds `path`, without a trailing "/": "/a/b.jpg" gives
// "/a", "/b.jpg" gives "/", a bare name gives ".".
std::string FolderOf(std::string_view path);

// `folder` with exactly one trailing "/" added when it has none.
std::string WithTrailingSlash(std::string_view folder);
// `path` without trailing "/" (the root "/" stays).
std::string WithoutTrailingSlash(std::string_view path);

}  // namespace lumidex
