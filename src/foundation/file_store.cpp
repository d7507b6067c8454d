#include "foundation/file_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "foundation/durable_io.h"
#include "foundation/file_paths.h"
#include "foundation/message_format.h"

namespace lumidex {
namespace {

class PosixFileStore : public FileStore {
 public:
  Result<std::string> ReadAll(const std::string& path) override {
    // O_NONBLOCK: a FIFO named like an album file must not block the open;
    // anything but a regular file is refused before a byte is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
      if (errno == ENOENT || errno == ENOTDIR) return Status::NotFound(CannotOpenMessage(path));
      return Status::Error(CannotOpenMessage(path));
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return Status::Error(CannotOpenMessage(path));
    }
    if (static_cast<unsigned long long>(st.st_size) > kMaxReadBytes) {
      ::close(fd);
      return Status::Error(TooLargeMessage(path));
    }
    // Read straight into the result, sized by the file; a file that grows
    // while it is read grows the result in steps.
    std::string bytes(static_cast<size_t>(st.st_size) + 1, '\0');
    size_t filled = 0;
    for (;;) {
      if (filled == bytes.size()) {
        // A file that grows while it is read is held to the same limit.
        if (bytes.size() > kMaxReadBytes) {
          ::close(fd);
          return Status::Error(TooLargeMessage(path));
        }
        bytes.resize(std::min<size_t>(bytes.size() * 2, kMaxReadBytes + 1));
      }
      const ssize_t n = ::read(fd, bytes.data() + filled, bytes.size() - filled);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ::close(fd);
        return Status::Error(CannotOpenMessage(path));
      }
      if (n == 0) break;
      filled += static_cast<size_t>(n);
    }
    bytes.resize(filled);
    ::close(fd);
    return bytes;
  }

  Status WriteAtomic(const std::string& path, std::string_view bytes, unsigned mode) override {
    const std::string folder = FolderOf(path);
    std::string tempPath = folder + "/" + std::string(kTempFilePrefix) + "XXXXXX";
    const int fd = ::mkstemp(tempPath.data());
    if (fd < 0) return Status::Error(CannotCreateMessage(path));
    struct stat old {};
    const mode_t wanted = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : mode;
    const bool written = ::fchmod(fd, wanted) == 0 && WriteFully(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed || ::rename(tempPath.c_str(), path.c_str()) != 0) {
      ::unlink(tempPath.c_str());
      return Status::Error(CannotCreateMessage(path));
    }
    // Make the rename itself durable; a failure here does not undo the save.
    SyncFolder(folder);
    return Status::Ok();
  }
};

}  // namespace

FileStore& RealFileStore() {
  static PosixFileStore store;
  return store;
}

std::string CannotOpenMessage(std::string_view path) {
  return FormatMessage("ファイル %s は開けません", {path});
}

std::string CannotCreateMessage(std::string_view path) {
  return FormatMessage("ファイル %s を作成できません", {path});
}

std::string TooLargeMessage(std::string_view path) {
  return FormatMessage("ファイル %s は大きすぎるため開けません（256MB まで）", {path});
}

int RemoveStaleTempFiles(const std::string& folder, time_t olderThan) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return 0;
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (!name.starts_with(kTempFilePrefix) || name.size() != kTempFilePrefix.size() + 6) continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(st.st_mode) || st.st_mtime >= olderThan) continue;
    if (::unlinkat(::dirfd(dir), entry->d_name, 0) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

}  // namespace lumidex
