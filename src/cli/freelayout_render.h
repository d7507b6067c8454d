#pragma once

#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace lumidex::cli {

// The usage lines of "freelayout render", for the command's --help.
inline constexpr const char* kFreeLayoutRenderUsage =
    "  lumidex-cli freelayout render YYYY PAGE TAB --width W --out FILE.png [--album]\n"
    "        draws the tab as the view shows it (high quality, pictures turned) on a\n"
    "        canvas of W x W/2 pixels (W 2-16000) in the colour scheme's light colour\n";

// lumidex-cli freelayout render YYYY PAGE TAB --width W --out FILE.png
// [--album]: draws the tab as the view shows it on a canvas of W x (W / 2)
// pixels and writes it as a PNG. `args` are the words after "render".
// Exit 2 with a Japanese message for bad arguments, 1 when the document,
// page or tab is not there or the file cannot be written, 0 when written
// (items that could not be drawn are named on stderr).
int RunFreeLayoutRender(const std::vector<std::string>& args, CliIo& io);

}  // namespace lumidex::cli
