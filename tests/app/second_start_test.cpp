// Two starts of the real window program on one album: the second hands its
// files to the first, which registers them, and ends without a message.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "platform/single_instance_lock.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

extern char** environ;

namespace lumidex {
namespace {

using namespace std::chrono_literals;

// Starts the window program with `arguments` in `folder`, on the offscreen
// platform; the child's pid.
pid_t StartWindow(const std::vector<std::string>& arguments, const std::string& folder) {
  const char* program = LUMIDEX_ALBUM_PROGRAM;
  std::vector<char*> argv = {const_cast<char*>(program)};
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (::chdir(folder.c_str()) != 0) ::_exit(126);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::execve(program, argv.data(), environ);
    ::_exit(127);
  }
  return pid;
}

// The exit code of `pid` once it ended within `limit`; -1 (after killing
// it) when it was still running, as a start stuck on its message box is.
int ExitCodeWithin(pid_t pid, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > end) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
      return -1;
    }
    std::this_thread::sleep_for(20ms);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Polls `done` every 50 ms for up to `limit`.
template <typename Test>
bool Within(std::chrono::milliseconds limit, Test done) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

class SecondStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    first_ = StartWindow({}, home_.path());
    const std::string socket = platform::SingleInstanceLock::SocketNameFor(home_.path());
    ASSERT_TRUE(Within(60s, [&] { return testing::FileExists(socket); }))
        << "the first window did not listen";
  }
  void TearDown() override {
    if (first_ > 0) {
      ::kill(first_, SIGKILL);
      ::waitpid(first_, nullptr, 0);
    }
  }
  std::string Entries(const std::string& day) const { return testing::RunCli({"list", day}).out; }

  testing::TempHome home_;
  pid_t first_ = -1;
};

TEST_F(SecondStartTest, FilesGivenToASecondStartAreRegisteredByTheRunningWindow) {
  const std::string picture = home_.Join("pics/beach.png");
  testing::WriteFile(picture, "x");
  testing::SetNoonOf(picture, 2013, 3, 4);
  // Given relative to the second start's folder, as a file manager may.
  EXPECT_EQ(ExitCodeWithin(StartWindow({"beach.png"}, home_.Join("pics")), 15s), 0);
  EXPECT_TRUE(Within(20s, [&] { return Entries("2013/03/04").find(picture) != std::string::npos; }))
      << Entries("2013/03/04");
  // A start without files only brings the window forward, and ends too.
  EXPECT_EQ(ExitCodeWithin(StartWindow({}, home_.path()), 15s), 0);
  EXPECT_EQ(::waitpid(first_, nullptr, WNOHANG), 0) << "the first window ended";
}

TEST_F(SecondStartTest, FilesOfAStartThatGaveUpWaitingAreNotRegisteredLater) {
  const std::string picture = home_.Join("pics/late.png");
  testing::WriteFile(picture, "x");
  testing::SetNoonOf(picture, 2013, 3, 9);
  // The window does not answer: the second start says the files were not
  // registered (its message box keeps it running until it is ended here).
  ::kill(first_, SIGSTOP);
  EXPECT_EQ(ExitCodeWithin(StartWindow({picture}, home_.path()), 9s), -1);
  ::kill(first_, SIGCONT);
  // Once the window runs again, a start that is answered still gets through
  // and shows that the window went over what it had received.
  const std::string other = home_.Join("pics/other.png");
  testing::WriteFile(other, "x");
  testing::SetNoonOf(other, 2013, 3, 10);
  EXPECT_EQ(ExitCodeWithin(StartWindow({other}, home_.path()), 15s), 0);
  EXPECT_TRUE(Within(20s, [&] { return Entries("2013/03/10").find(other) != std::string::npos; }));
  EXPECT_EQ(Entries("2013/03/09").find(picture), std::string::npos) << Entries("2013/03/09");
}

}  // namespace
}  // namespace lumidex
