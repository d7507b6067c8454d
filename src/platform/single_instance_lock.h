#pragma once

#include <memory>
#include <string>

namespace lumidex::platform {

// Holds the one lock that keeps a second copy of the program from running on
// the same album. The lock is an flock on a file, so the kernel frees it when
// the process ends in any way. Not copyable; released on destruction.
class SingleInstanceLock {
 public:
  // The lock on `lockFile`, or nullptr when another process holds it (or the
  // file cannot be opened, which is treated the same way only if it exists
  // and is locked; an unopenable path yields a lock that guards nothing).
  static std::unique_ptr<SingleInstanceLock> TryAcquire(const std::string& lockFile);

  // The lock file for the album below `baseFolder`: one name per album in
  // RuntimeFolder(), so two albums never exclude each other.
  static std::string LockFileFor(const std::string& baseFolder);

  // The local socket on which the lock holder's window takes messages from
  // later starts on the same album (InstanceMessage): beside the lock file,
  // named by the same hash of `baseFolder`, so two albums never mix.
  static std::string SocketNameFor(const std::string& baseFolder);

  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
  ~SingleInstanceLock();

 private:
  explicit SingleInstanceLock(int fd) : fd_(fd) {}
  const int fd_;
};

}  // namespace lumidex::platform
