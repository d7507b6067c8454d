// lumidex-cli: the album's command-line tool. It works on the same album as
// the window (the folders of LUMIDEX_HOME or the XDG folders) through the same
// core, for scripts, backups, bulk registration and tests.
#include <exception>
#include <iostream>

#include "cli/cli_command.h"

namespace {

void PrintHelp(std::ostream& out) {
  out << "lumidex-cli — command-line tool of Lumidex Album\n\n"
         "usage: lumidex-cli COMMAND [ARGS...]\n\n"
         "The album is the one below $LUMIDEX_HOME when set, else below\n"
         "$XDG_DATA_HOME/lumidex-album (normally ~/.local/share/lumidex-album).\n"
         "Exit codes: 0 success, 1 refused or failed, 2 bad usage.\n\ncommands:\n";
  for (const auto& command : lumidex::cli::Commands()) {
    out << "  " << command.name << " — " << command.summary << "\n" << command.usage;
  }
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lumidex::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    PrintHelp(std::cout);
    return args.empty() ? kExitUsage : kExitOk;
  }
  for (const auto& command : Commands()) {
    if (command.name != args[0]) continue;
    CliIo io{std::cout, std::cerr};
    try {
      return command.run(std::vector<std::string>(args.begin() + 1, args.end()), io);
    } catch (const std::exception& e) {
      std::cerr << "lumidex-cli: " << e.what() << "\n";
      return kExitFailed;
    }
  }
  std::cerr << "lumidex-cli: unknown command '" << args[0] << "' (see lumidex-cli --help)\n";
  return kExitUsage;
}
