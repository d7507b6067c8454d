#include "platform/single_instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_home.h"

namespace lumidex::platform {
namespace {

// Exit status of a child process that tries to take the lock: 0 when it got
// it, 1 when it was refused.
int TryInChildProcess(const std::string& lockFile) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    auto lock = SingleInstanceLock::TryAcquire(lockFile);
    ::_exit(lock ? 0 : 1);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WEXITSTATUS(status);
}

TEST(SingleInstanceLockTest, ASecondProcessIsRefusedWhileTheFirstHoldsTheLock) {
  testing::TempHome home;
  const std::string lockFile = SingleInstanceLock::LockFileFor(home.path());
  {
    auto first = SingleInstanceLock::TryAcquire(lockFile);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(TryInChildProcess(lockFile), 1);
  }
  EXPECT_EQ(TryInChildProcess(lockFile), 0);
}

TEST(SingleInstanceLockTest, TheLockIsFreedWhenItsProcessDies) {
  testing::TempHome home;
  const std::string lockFile = SingleInstanceLock::LockFileFor(home.path());
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    // The holder reports through the pipe once it holds the lock, so the
    // parent never probes while the holder is still trying.
    auto lock = SingleInstanceLock::TryAcquire(lockFile);
    const char held = lock ? 'y' : 'n';
    (void)!::write(ready[1], &held, 1);
    ::pause();
    ::_exit(0);
  }
  ::close(ready[1]);
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  ::close(ready[0]);
  EXPECT_EQ(held, 'y');
  EXPECT_EQ(TryInChildProcess(lockFile), 1);
  // Kill the holder without any clean-up: the kernel must free the lock.
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(TryInChildProcess(lockFile), 0);
}

TEST(SingleInstanceLockTest, TwoAlbumsHaveTwoLocks) {
  EXPECT_NE(SingleInstanceLock::LockFileFor("/a"), SingleInstanceLock::LockFileFor("/b"));
}

}  // namespace
}  // namespace lumidex::platform
