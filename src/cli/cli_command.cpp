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

std::string MissingFileMessage(std::string_view path) {
  return "ファイルがありません: " + std::string(path);
}

std::string WithLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      out += text[i];
    } else {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return out;
}

}  // namespace lumidex::cli
