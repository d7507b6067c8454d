#pragma once

#include <string>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/status.h"

namespace lumidex {

// The folder history of the automatic registration dialog: "dirlist.txt" in
// the user folder, one folder path per line, oldest first. Loading drops the
// folders that no longer exist; saving keeps the newest 12. Not thread-safe.
class FolderHistory {
 public:
  static constexpr size_t kMaxFolders = 12;

  // The history of `userDir` (ending in "/"); an unreadable or missing file
  // gives an empty history.
  static FolderHistory Load(const std::string& userDir, FileStore& store = RealFileStore());

  // The folders for the history list, sorted in the album's text order.
  std::vector<std::string> Shown() const;
  // Adds `folder` as the newest unless it is in the history already.
  void Add(const std::string& folder);
  // Writes the newest kMaxFolders folders (the oldest are dropped). On
  // failure the file stays as it was and the error is returned.
  Status Save() const;

  const std::vector<std::string>& folders() const { return folders_; }

 private:
  FolderHistory(std::string path, FileStore& store) : path_(std::move(path)), store_(&store) {}

  std::string path_;
  FileStore* store_;
  std::vector<std::string> folders_;  // oldest first
  std::string refusal_;  // non-empty: the file could not be read, Save() refuses
};

}  // namespace lumidex
