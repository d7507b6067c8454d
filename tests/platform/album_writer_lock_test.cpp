#include "platform/album_writer_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_home.h"

namespace lumidex::platform {
namespace {

using Outcome = AlbumWriterLock::Outcome;
using Role = AlbumWriterLock::Role;

// A child process that takes the lock in `role`, reports through a pipe once
// it holds it, and keeps it until it is killed.
class LockHolder {
 public:
  LockHolder(const std::string& base, Role role) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    pid_ = ::fork();
    if (pid_ == 0) {
      auto attempt = AlbumWriterLock::Acquire(base, role, {});
      const char held = attempt.outcome == Outcome::kAcquired ? 'y' : 'n';
      (void)!::write(ready[1], &held, 1);
      ::pause();
      ::_exit(0);
    }
    ::close(ready[1]);
    char held = 0;
    EXPECT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, 'y');
    ::close(ready[0]);
  }
  ~LockHolder() { Kill(); }
  void Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }

 private:
  pid_t pid_ = 0;
};

AlbumWriterLock::Wait Briefly(int* notices) {
  AlbumWriterLock::Wait wait;
  wait.timeout = std::chrono::milliseconds(300);
  wait.noticeAfter = std::chrono::milliseconds(100);
  wait.onNotice = [notices] { ++*notices; };
  return wait;
}

TEST(AlbumWriterLockTest, AWriterWaitsForAnotherWriterAndTakesTheLockOnceItsHolderDies) {
  testing::TempHome home;
  LockHolder holder(home.path(), Role::kWriter);
  int notices = 0;
  auto attempt = AlbumWriterLock::Acquire(home.path(), Role::kWriter, Briefly(&notices));
  EXPECT_EQ(attempt.outcome, Outcome::kTimedOut);
  EXPECT_EQ(attempt.lock, nullptr);
  EXPECT_EQ(notices, 1);
  holder.Kill();
  attempt = AlbumWriterLock::Acquire(home.path(), Role::kWriter, Briefly(&notices));
  EXPECT_EQ(attempt.outcome, Outcome::kAcquired);
  EXPECT_NE(attempt.lock, nullptr);
}

TEST(AlbumWriterLockTest, AWriterIsRefusedAtOnceWhileAWindowHoldsTheLockButAWindowWaits) {
  testing::TempHome home;
  LockHolder window(home.path(), Role::kWindow);
  int notices = 0;
  EXPECT_EQ(AlbumWriterLock::Acquire(home.path(), Role::kWriter, Briefly(&notices)).outcome,
            Outcome::kWindowRunning);
  EXPECT_EQ(notices, 0);
  EXPECT_EQ(AlbumWriterLock::Acquire(home.path(), Role::kWindow, Briefly(&notices)).outcome,
            Outcome::kTimedOut);
}

}  // namespace
}  // namespace lumidex::platform
