#pragma once

#include "desktop/desktop_command.h"

namespace lumidex {

// The CommandRunner that starts programs with posix_spawnp (PATH search, no
// shell) and collects their standard output and error output; it waits at
// most `timeoutSeconds` for a program before ending it. Thread-compatible:
// one run at a time per object.
class ProcessRunner : public CommandRunner {
 public:
  explicit ProcessRunner(int timeoutSeconds = 20) : timeoutSeconds_(timeoutSeconds) {}

  Result<std::string> Run(const std::vector<std::string>& argv) override;

 private:
  const int timeoutSeconds_;
};

}  // namespace lumidex
