#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "foundation/data_folders.h"

namespace lumidex::platform {

// The one lock every process that changes an album holds while it does: the
// window for its whole run, each changing command of lumidex-cli for its
// command. It is an flock on "album.lock" in the application base folder, so
// every process working on that album meets the same file whatever its
// environment, and the kernel frees the lock when the holder dies in any way.
//
// The holder writes "window <pid>" or "writer <pid>" into the file, so that a
// command that finds the lock taken can tell a running window (refuse at
// once) from another command (wait for it). A stale line is harmless: a
// pid that is no longer alive is not believed.
//
// Not copyable; released on destruction.
class AlbumWriterLock {
 public:
  enum class Role { kWindow, kWriter };
  enum class Outcome {
    kAcquired,
    kWindowRunning,  // a window holds the lock (only for Role::kWriter)
    kTimedOut,       // another writer kept it past the timeout
    kUnavailable,    // the lock file cannot be created or locked at all
  };

  struct Wait {
    std::chrono::milliseconds timeout{std::chrono::minutes(10)};
    // Called once when the lock is still taken after `noticeAfter`.
    std::chrono::milliseconds noticeAfter{std::chrono::seconds(2)};
    std::function<void()> onNotice;
  };

  struct Attempt {
    Outcome outcome = Outcome::kUnavailable;
    std::unique_ptr<AlbumWriterLock> lock;  // set only for kAcquired
  };

  // Takes the lock of the album below `baseFolder` for `role`, waiting as
  // `wait` says while another writer holds it. A writer gives up at once
  // when the holder is a running window; a window waits for a writer like
  // any other.
  static Attempt Acquire(const std::string& baseFolder, Role role, const Wait& wait);

  static std::string LockFileFor(const std::string& baseFolder);

  // Removes the temporary files that saves killed before their rename left
  // in the album's document folders and in `settingsFolder`. Only the holder
  // of the lock may: while it is held no other save is under way, so every
  // such file is a left-over.
  void RemoveLeftoversOfKilledSaves(const DataFolders& folders,
                                    const std::string& settingsFolder) const;

  AlbumWriterLock(const AlbumWriterLock&) = delete;
  AlbumWriterLock& operator=(const AlbumWriterLock&) = delete;
  ~AlbumWriterLock();

 private:
  explicit AlbumWriterLock(int fd) : fd_(fd) {}
  const int fd_;
};

}  // namespace lumidex::platform
