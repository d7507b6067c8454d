#pragma once

#include <map>
#include <string>

#include "foundation/file_store.h"

namespace lumidex::testing {

// An in-memory FileStore whose reads and writes can be made to fail.
class FakeFileStore : public FileStore {
 public:
  std::map<std::string, std::string> files;
  bool failWrites = false;
  bool failReads = false;
  int writeCount = 0;

  Result<std::string> ReadAll(const std::string& path) override {
    if (failReads) return Status::Error(CannotOpenMessage(path));
    auto it = files.find(path);
    if (it == files.end()) return Status::NotFound(CannotOpenMessage(path));
    return it->second;
  }

  Status WriteAtomic(const std::string& path, std::string_view bytes, unsigned) override {
    if (failWrites) return Status::Error(CannotCreateMessage(path));
    ++writeCount;
    files[path] = std::string(bytes);
    return Status::Ok();
  }
};

}  // namespace lumidex::testing
