#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <string_view>

#include "foundation/status.h"

namespace lumidex {

// Whole-file access for documents. Every write is atomic: the bytes go to a
// temporary file in the same folder, which is flushed, synced and renamed over
// the old file, so a failure at any point leaves the old file as it was.
// Tests substitute a fake to inject read and write failures.
class FileStore {
 public:
  virtual ~FileStore() = default;

  // The whole content of `path`. NotFound when the file does not exist;
  // Error "ファイル %s は開けません" when it exists but cannot be read or is
  // not a regular file (a FIFO, a device, a folder: never opened in a way
  // that could block); Error TooLargeMessage when it holds more than
  // kMaxReadBytes.
  virtual Result<std::string> ReadAll(const std::string& path) = 0;

  // Reads `path` piece by piece into `buffer`, whose memory is reused from
  // piece to piece (and from call to call), and calls `piece` with each
  // piece in order. Every piece but the last ends just after a line break
  // (CR, LF or CR LF, never split), so lines are never cut; a line longer
  // than the buffer grows it. `piece` returns false to stop reading. For
  // scanning large documents in little memory. The errors of ReadAll; an
  // error while reading may come after some pieces. This default hands over
  // the whole content (ReadAll) as one piece.
  using PieceReader = std::function<bool(std::string_view piece)>;
  virtual Status ReadPieces(const std::string& path, std::string& buffer, const PieceReader& piece);

  // Replaces `path` with `bytes` atomically, creating it with permission bits
  // `mode` (an existing file keeps its own). Error "ファイル %s を作成できません"
  // on any failure, with the old file untouched.
  virtual Status WriteAtomic(const std::string& path, std::string_view bytes,
                             unsigned mode = 0644) = 0;
};

// No album file, settings file or picture is read past this size: a file
// linked to /dev/zero or grown by accident must not exhaust memory.
inline constexpr unsigned long long kMaxReadBytes = 256ull << 20;

// The name prefix of the temporary files of WriteAtomic; six random
// characters follow.
inline constexpr std::string_view kTempFilePrefix = ".lumidex-save-";

// The store that works on the real file system. Thread-safe.
FileStore& RealFileStore();

// The two messages of document files, filled with the path.
std::string CannotOpenMessage(std::string_view path);
std::string CannotCreateMessage(std::string_view path);
std::string TooLargeMessage(std::string_view path);

// Removes the temporary files that saves killed before their rename left in
// `folder`: regular files named kTempFilePrefix + six characters whose last
// change is before `olderThan`. Call only while holding the album writer
// lock, so that no save of another process is under way. Returns how many
// were removed.
int RemoveStaleTempFiles(const std::string& folder, time_t olderThan);

}  // namespace lumidex
