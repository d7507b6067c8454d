#pragma once

#include <string>

namespace lumidex {

// True when `path` names an existing file that is not a folder. Paths of
// Windows form from older albums never exist here.
bool FileExists(const std::string& path);
// True when `path` names an existing folder.
bool FolderExists(const std::string& path);

}  // namespace lumidex
