#include "platform/album_writer_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string_view>
#include <thread>

#include "foundation/file_store.h"

namespace lumidex::platform {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPollInterval = std::chrono::milliseconds(50);

// Whether the holder line in `fd` names a window whose process is alive.
bool HeldByLiveWindow(int fd) {
  char text[64] = {};
  const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
  if (n <= 0) return false;
  constexpr std::string_view kWindow = "window ";
  if (std::strncmp(text, kWindow.data(), kWindow.size()) != 0) return false;
  const long pid = std::strtol(text + kWindow.size(), nullptr, 10);
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

void WriteHolder(int fd, AlbumWriterLock::Role role) {
  char text[64];
  const int n = std::snprintf(text, sizeof text, "%s %ld\n",
                              role == AlbumWriterLock::Role::kWindow ? "window" : "writer",
                              static_cast<long>(::getpid()));
  // The line only informs waiting commands; the lock holds without it.
  if (::ftruncate(fd, 0) == 0 && ::pwrite(fd, text, static_cast<size_t>(n), 0) < 0) return;
}

}  // namespace

AlbumWriterLock::Attempt AlbumWriterLock::Acquire(const std::string& baseFolder, Role role,
                                                  const Wait& wait) {
  const int fd =
      ::open(LockFileFor(baseFolder).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return {Outcome::kUnavailable, nullptr};
  const Clock::time_point start = Clock::now();
  bool noticed = false;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      WriteHolder(fd, role);
      return {Outcome::kAcquired, std::unique_ptr<AlbumWriterLock>(new AlbumWriterLock(fd))};
    }
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    if (role == Role::kWriter && HeldByLiveWindow(fd)) {
      ::close(fd);
      return {Outcome::kWindowRunning, nullptr};
    }
    const auto waited = Clock::now() - start;
    if (waited >= wait.timeout) {
      ::close(fd);
      return {Outcome::kTimedOut, nullptr};
    }
    if (!noticed && waited >= wait.noticeAfter) {
      noticed = true;
      if (wait.onNotice) wait.onNotice();
    }
    std::this_thread::sleep_for(kPollInterval);
  }
  ::close(fd);
  return {Outcome::kUnavailable, nullptr};
}

std::string AlbumWriterLock::LockFileFor(const std::string& baseFolder) {
  return baseFolder + "/album.lock";
}

void AlbumWriterLock::RemoveLeftoversOfKilledSaves(const DataFolders& folders,
                                                   const std::string& settingsFolder) const {
  // One second ahead, so that files of a save killed within this second go too.
  const time_t now = std::time(nullptr) + 1;
  for (const auto& folder : folders.DocumentFolders()) RemoveStaleTempFiles(folder, now);
  RemoveStaleTempFiles(settingsFolder, now);
}

AlbumWriterLock::~AlbumWriterLock() { ::close(fd_); }

}  // namespace lumidex::platform
