#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace lumidex::cli {

// Where a command writes: standard output for results, standard error for
// messages and progress.
struct CliIo {
  std::ostream& out;
  std::ostream& err;
};

// One top-level command of lumidex-cli. `run` gets the arguments after the
// command name and returns the process exit code (0 success, 1 refused or
// failed, 2 bad usage).
struct CliCommand {
  std::string name;
  std::string usage;    // one or more "lumidex-cli ..." lines for --help
  std::string summary;  // what it does, one line
  std::function<int(const std::vector<std::string>& args, CliIo& io)> run;
};

// Exit codes shared by all commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

// The commands, in name order. Each command file adds its own with a
// CliRegistration at namespace scope.
const std::vector<CliCommand>& Commands();

struct CliRegistration {
  explicit CliRegistration(CliCommand command);
};

// Writes "lumidex-cli: <message>" and `usage` to io.err; returns kExitUsage.
int UsageError(CliIo& io, std::string_view usage, std::string_view message);

// "ファイルがありません: <path>": the message for a path given on the command
// line where nothing exists.
std::string MissingFileMessage(std::string_view path);

// `text` with every CR LF and every lone CR turned into LF: texts the core
// keeps with CR LF line breaks (Exif summaries, multi-line setting values)
// are printed with the line ends of the rest of the output.
std::string WithLfLineEnds(std::string_view text);

}  // namespace lumidex::cli
