#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// Writes all of `bytes` to `fd`, going on after interrupted and short
// writes. False on any error (errno tells which).
bool WriteFully(int fd, std::string_view bytes);

// Flushes `folder`'s entries to the disk, so that a rename or unlink made
// in it survives a crash. False when the folder cannot be opened or synced.
bool SyncFolder(const std::string& folder);

}  // namespace lumidex
