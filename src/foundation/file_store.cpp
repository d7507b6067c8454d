#include "foundation/file_store.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "foundation/durable_io.h"
#include "foundation/file_paths.h"
#include "foundation/message_format.h"

namespace lumidex {
namespace {

// A regular file opened for reading, with its size at the open.
struct OpenFile {
  int fd = -1;
  off_t size = 0;
};

// Opens `path` for reading. O_NONBLOCK: a FIFO named like an album file must
// not block the open; anything but a regular file is refused before a byte
// is read, and so is a file larger than kMaxReadBytes.
Result<OpenFile> OpenForReading(const std::string& path) {
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
  return OpenFile{fd, st.st_size};
}

// The length of the part of `bytes` that ends with its last line break; 0
// when it holds none. A CR at the very end is not taken, since an LF may
// follow it unread: the part then ends at the break before it.
size_t CompleteLines(const char* bytes, size_t size) {
  const auto lastBreak = [bytes](size_t n) -> size_t {
    const void* lf = memrchr(bytes, '\n', n);
    const size_t afterLf = lf == nullptr ? 0 : static_cast<size_t>(static_cast<const char*>(lf) - bytes) + 1;
    const void* cr = memrchr(bytes + afterLf, '\r', n - afterLf);
    return cr == nullptr ? afterLf : static_cast<size_t>(static_cast<const char*>(cr) - bytes) + 1;
  };
  const size_t end = lastBreak(size);
  return end == size && size > 0 && bytes[size - 1] == '\r' ? lastBreak(size - 1) : end;
}

// The buffer of ReadPieces to start with: large enough that reading calls
// cost little, small enough to stay in the cache.
constexpr size_t kPieceBuffer = 256 << 10;

class PosixFileStore : public FileStore {
 public:
  Result<std::string> ReadAll(const std::string& path) override {
    Result<OpenFile> file = OpenForReading(path);
    if (!file.ok()) return file.status();
    const int fd = file.value().fd;
    const off_t size = file.value().size;
    // Read straight into the result, sized by the file; a file that grows
    // while it is read grows the result in steps.
    std::string bytes(static_cast<size_t>(size) + 1, '\0');
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

  Status ReadPieces(const std::string& path, std::string& buffer, const PieceReader& piece) override {
    Result<OpenFile> file = OpenForReading(path);
    if (!file.ok()) return file.status();
    const int fd = file.value().fd;
    if (buffer.size() < kPieceBuffer) buffer.resize(kPieceBuffer);
    size_t kept = 0;  // an unfinished line carried to the front of the buffer
    size_t total = 0;
    for (;;) {
      if (kept == buffer.size()) buffer.resize(buffer.size() * 2);
      const ssize_t n = ::read(fd, buffer.data() + kept, buffer.size() - kept);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ::close(fd);
        return Status::Error(CannotOpenMessage(path));
      }
      // A file that grows while it is read is held to the same limit.
      total += static_cast<size_t>(n);
      if (total > kMaxReadBytes) {
        ::close(fd);
        return Status::Error(TooLargeMessage(path));
      }
      const size_t filled = kept + static_cast<size_t>(n);
      const size_t end = n == 0 ? filled : CompleteLines(buffer.data(), filled);
      if (end > 0 && !piece(std::string_view(buffer.data(), end))) break;
      if (n == 0) break;
      kept = filled - end;
      std::memmove(buffer.data(), buffer.data() + end, kept);
    }
    ::close(fd);
    return Status::Ok();
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

Status FileStore::ReadPieces(const std::string& path, std::string& buffer, const PieceReader& piece) {
  Result<std::string> bytes = ReadAll(path);
  if (!bytes.ok()) return bytes.status();
  buffer = std::move(bytes).value();
  if (!buffer.empty()) piece(buffer);
  return Status::Ok();
}

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
