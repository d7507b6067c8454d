#include "platform/single_instance_lock.h"

#include <gtest/gtest.h>
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
  const pid_t holder = ::fork();
  if (holder == 0) {
    auto lock = SingleInstanceLock::TryAcquire(lockFile);
    ::pause();
    ::_exit(0);
  }
  // Wait until the child holds the lock, then kill it without any clean-up.
  for (int i = 0; i < 200 && TryInChildProcess(lockFile) == 0; ++i) ::usleep(10000);
  EXPECT_EQ(TryInChildProcess(lockFile), 1);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(TryInChildProcess(lockFile), 0);
}

TEST(SingleInstanceLockTest, TwoAlbumsHaveTwoLocks) {
  EXPECT_NE(SingleInstanceLock::LockFileFor("/a"), SingleInstanceLock::LockFileFor("/b"));
}

}  // namespace
}  // namespace lumidex::platform
