#pragma once

#include <string>

namespace lumidex::platform {

// Where the album lives on this machine.

// The application base folder: $LUMIDEX_HOME when set, else
// $XDG_DATA_HOME/lumidex-album, else ~/.local/share/lumidex-album. No
// trailing "/".
std::string ApplicationBaseFolder();

// The folder of the settings file: $LUMIDEX_HOME when set, else
// $XDG_CONFIG_HOME/lumidex-album, else ~/.config/lumidex-album.
std::string SettingsFolder();

// The folder for the single-instance lock: $XDG_RUNTIME_DIR when set and
// present, else the application base folder.
std::string RuntimeFolder();

// The folder of the files the program ships (holiday file, sounds, help):
// $LUMIDEX_SHARE when set; else share/lumidex-album beside the folder of the
// running program (bin/../share/lumidex-album: the program is installed,
// wherever its prefix was moved to); else the source tree's share folder
// when it exists (running from the build tree); else the share folder of
// the configured install prefix.
std::string ShareFolder();

// The path of the running program's executable (/proc/self/exe resolved,
// without the " (deleted)" the kernel adds once the file was replaced), or
// "" when it cannot be read.
std::string RunningProgram();

// The login name of the current user, from the password database; falls back
// to $USER, then "user".
std::string LoginName();

}  // namespace lumidex::platform
