#include "support/cli_runner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

#include "support/temp_home.h"

extern char** environ;

namespace lumidex::testing {

CliOutput RunCli(const std::vector<std::string>& args, const std::string& input) {
  CliOutput result;
  const char* cli = std::getenv("LUMIDEX_CLI");
  if (cli == nullptr) {
    result.err = "LUMIDEX_CLI is not set";
    return result;
  }
  // One folder per call, so that several threads may run commands at once.
  static std::atomic<int> calls{0};
  const std::string folder = std::filesystem::temp_directory_path() /
                             ("lumidex-cli-" + std::to_string(::getpid()) + "-" + std::to_string(calls++));
  std::filesystem::create_directories(folder);
  const std::string inPath = folder + "/in", outPath = folder + "/out", errPath = folder + "/err";
  WriteFile(inPath, input);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(cli));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawn(&pid, cli, &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  result.out = ReadFile(outPath);
  result.err = ReadFile(errPath);
  std::filesystem::remove_all(folder);
  return result;
}

}  // namespace lumidex::testing
