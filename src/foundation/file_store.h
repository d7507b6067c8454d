#pragma once

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
  // Error "ファイル %s は開けません" when it exists but cannot be read.
  virtual Result<std::string> ReadAll(const std::string& path) = 0;

  // Replaces `path` with `bytes` atomically, creating it with permission bits
  // `mode` (an existing file keeps its own). Error "ファイル %s を作成できません"
  // on any failure, with the old file untouched.
  virtual Status WriteAtomic(const std::string& path, std::string_view bytes,
                             unsigned mode = 0644) = 0;
};

// The store that works on the real file system. Thread-safe.
FileStore& RealFileStore();

// The two messages of document files, filled with the path.
std::string CannotOpenMessage(std::string_view path);
std::string CannotCreateMessage(std::string_view path);

}  // namespace lumidex
