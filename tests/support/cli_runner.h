#pragma once

#include <string>
#include <vector>

namespace lumidex::testing {

struct CliOutput {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the lumidex-cli binary (path from $LUMIDEX_CLI, set by CTest) with
// `args` in the current environment, and collects its exit code and output.
CliOutput RunCli(const std::vector<std::string>& args, const std::string& input = "");

}  // namespace lumidex::testing
