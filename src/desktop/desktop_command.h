#pragma once

#include <string>
#include <vector>

#include "foundation/status.h"

namespace lumidex {

// One program run that changes or reads a desktop setting. The arguments
// are handed to the program as they are, never through a shell, so file
// names with spaces or quotes need no care.
struct DesktopCommand {
  std::vector<std::string> argv;  // argv[0] is the program, found on PATH
  // A key only newer desktops have (GNOME's dark-style picture): its failure
  // does not fail the change.
  bool mayFail = false;
  bool operator==(const DesktopCommand&) const = default;
};

// Runs desktop commands. The real one starts the programs; tests and dry
// runs record the argv instead, so nothing on the tester's desktop changes.
class CommandRunner {
 public:
  virtual ~CommandRunner() = default;

  // Runs `argv` and waits for it. The program's standard output on exit
  // status 0; Error "<program> が失敗しました: <its error output>" when it
  // cannot be started or exits otherwise.
  virtual Result<std::string> Run(const std::vector<std::string>& argv) = 0;
};

// `argv` as one line a POSIX shell would read back as the same arguments:
// words joined by spaces, a word with anything but letters, digits and
// "-_./=:,@%+" put in single quotes. For display (dry runs, messages) only.
std::string CommandLineText(const std::vector<std::string>& argv);

}  // namespace lumidex
