#pragma once

#include <optional>
#include <string_view>

namespace lumidex {

// The system's memory load in percent (0-100): the share of physical memory
// not available to new programs, from the "MemTotal" and "MemAvailable"
// lines of /proc/meminfo text. nullopt when the text lacks either line.
std::optional<int> MemoryLoadFromMeminfo(std::string_view meminfo);

// The current memory load of this machine; 0 when it cannot be read, so that
// an unreadable figure never stops thumbnails being kept.
int SystemMemoryLoadPercent();

}  // namespace lumidex
