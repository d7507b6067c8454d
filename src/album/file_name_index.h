#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumidex {

// The files below one folder by file name, for finding files that moved.
//
// The folder is walked once, on the first FindByName. The walk visits a
// folder's files before its subfolders, depth first, subfolders in byte
// order of their names; the first file of each name wins. So FindByName
// answers as a search that looks for folder/name and then searches each
// subfolder in turn would: the first hit of that search is the file kept.
// Names compare exactly (letter case included). Subfolders whose names begin
// with "." are not entered, files of such names are seen; symbolic links to
// folders are never followed (no loop can trap the walk), links to files
// count as the files they name. Folders that cannot be read add nothing.
// Not thread-safe.
class FileNameIndex {
 public:
  // `folder` with or without a trailing "/". `keepGoing`, when set, is asked
  // before each folder is listed; false ends the walk (the index then holds
  // what was seen and stopped() is true).
  explicit FileNameIndex(std::string folder, std::function<bool()> keepGoing = nullptr);

  // The full path of the first file named `fileName`, or nullopt.
  std::optional<std::string> FindByName(std::string_view fileName);

  bool walked() const { return walked_; }
  bool stopped() const { return stopped_; }
  // Files seen by the walk (each name counted once).
  size_t size() const { return byName_.size(); }

 private:
  void Walk();
  bool WalkFolder(const std::string& folder);

  const std::string folder_;
  const std::function<bool()> keepGoing_;
  std::unordered_map<std::string, std::string> byName_;
  bool walked_ = false;
  bool stopped_ = false;
};

}  // namespace lumidex
