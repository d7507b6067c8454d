#include "cli/cli_command.h"

#include <algorithm>
#include <ostream>

namespace lumidex::cli {
namespace {

std::vector<CliCommand>& Registry() {
  static std::vector<CliCommand> commands;
  return commands;
}

}  // namespace

const std::vector<CliCommand>& Commands() { return Registry(); }

CliRegistration::CliRegistration(CliCommand command) {
  auto& commands = Registry();
  auto at = std::lower_bound(commands.begin(), commands.end(), command.name,
                             [](const CliCommand& c, const std::string& name) { return c.name < name; });
  commands.insert(at, std::move(command));
}

int UsageError(CliIo& io, std::string_view usage, std::string_view message) {
  io.err << "lumidex-cli: " << message << "\n" << "usage:\n" << usage;
  return kExitUsage;
}

}  // namespace lumidex::cli
