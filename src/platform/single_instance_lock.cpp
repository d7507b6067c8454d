#include "platform/single_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <functional>

#include "platform/environment.h"

namespace lumidex::platform {

std::unique_ptr<SingleInstanceLock> SingleInstanceLock::TryAcquire(const std::string& lockFile) {
  const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) {
    // Without a lock file the program still runs; only the guard is lost.
    return std::unique_ptr<SingleInstanceLock>(new SingleInstanceLock(-1));
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<SingleInstanceLock>(new SingleInstanceLock(fd));
}

namespace {

// "/lumidex-album-<hash of the base folder>" + `suffix`, in the runtime folder.
std::string RuntimeFileFor(const std::string& baseFolder, const char* suffix) {
  char name[64];
  std::snprintf(name, sizeof name, "/lumidex-album-%016zx%s", std::hash<std::string>()(baseFolder), suffix);
  return RuntimeFolder() + name;
}

}  // namespace

std::string SingleInstanceLock::LockFileFor(const std::string& baseFolder) {
  return RuntimeFileFor(baseFolder, ".lock");
}

std::string SingleInstanceLock::SocketNameFor(const std::string& baseFolder) {
  return RuntimeFileFor(baseFolder, ".sock");
}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace lumidex::platform
