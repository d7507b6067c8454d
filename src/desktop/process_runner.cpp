#include "desktop/process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace lumidex {
namespace {

// No more of a program's output is kept: the desktop tools print a line or a
// short listing, and a runaway program must not fill memory.
constexpr size_t kMaxOutputBytes = 1 << 20;

// A pipe whose ends are closed with the object.
struct Pipe {
  int fds[2] = {-1, -1};
  Pipe() {
    if (pipe2(fds, O_CLOEXEC) != 0) fds[0] = fds[1] = -1;
  }
  ~Pipe() {
    for (int& fd : fds) CloseEnd(fd);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  bool ok() const { return fds[0] >= 0; }
  static void CloseEnd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
};

Status Failed(const std::string& program, std::string_view detail) {
  std::string text(detail);
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  return Status::Error(program + " が失敗しました: " + text);
}

// Reads both pipes until the program closes them or the deadline passes.
// False on timeout.
bool Collect(int outFd, int errFd, std::string& out, std::string& err, int timeoutSeconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&out, &err};
  int open = 2;
  while (open > 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    const int ready = poll(fds, 2, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;  // timed out, or poll itself failed
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        if (sinks[i]->size() < kMaxOutputBytes) sinks[i]->append(buffer, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        fds[i].fd = -1;
        --open;
      }
    }
  }
  return true;
}

}  // namespace

Result<std::string> ProcessRunner::Run(const std::vector<std::string>& argv) {
  if (argv.empty()) return Status::Error("実行するプログラムがありません");
  const std::string& program = argv.front();
  Pipe out, err;
  if (!out.ok() || !err.ok()) return Failed(program, std::strerror(errno));
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err.fds[1], 2);
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return Failed(program, std::strerror(spawned));
  Pipe::CloseEnd(out.fds[1]);
  Pipe::CloseEnd(err.fds[1]);
  std::string output, errors;
  const bool finished = Collect(out.fds[0], err.fds[0], output, errors, timeoutSeconds_);
  if (!finished) kill(pid, SIGKILL);
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!finished) return Failed(program, "応答がありません");
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return output;
  if (errors.empty()) {
    errors = WIFEXITED(status) ? "終了コード " + std::to_string(WEXITSTATUS(status))
                               : std::string("異常終了");
  }
  return Failed(program, errors);
}

}  // namespace lumidex
