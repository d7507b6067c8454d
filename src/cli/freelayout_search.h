#pragma once

#include <string>
#include <vector>

#include "cli/cli_command.h"

namespace lumidex::cli {

// The usage lines of "freelayout search", for the command's --help.
inline constexpr const char* kFreeLayoutSearchUsage =
    "  lumidex-cli freelayout search TEXT [--album]\n"
    "        pages of every year with a tab title containing TEXT (case-sensitive), or\n"
    "        --album the first album of each year whose name contains TEXT:\n"
    "        year<TAB>page<TAB>title per hit (the first matching title; empty for albums)\n";

// lumidex-cli freelayout search TEXT [--album]: the window's title or album
// name search over the documents of every year. `args` are the words after
// "search". Exit 2 for bad arguments, 1 when the album cannot be opened, 0
// otherwise (no hits print nothing).
int RunFreeLayoutSearch(std::vector<std::string> args, CliIo& io);

}  // namespace lumidex::cli
