#pragma once

#include <string>

namespace lumidex {

// The last-write time of the file at `path` in local time as
// "yyyy/MM/dd HH:mm:ss"; "" when the file does not exist or cannot be
// examined. Follows symbolic links. Thread-safe.
std::string FileDateText(const std::string& path);

}  // namespace lumidex
