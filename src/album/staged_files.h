#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"

namespace lumidex {

// Replaces several files as nearly at once as the file system allows: every
// new content is first written whole to a temporary file beside its target
// (named like the temporary files of atomic saves, so the writer lock's
// clean-up removes what a killed process left) and synced; only when all
// are written does Commit rename them over their targets, in the order they
// were staged. A failure or a kill while staging leaves every target as it
// was; a kill during the renames leaves each target either old or new, never
// partly written. Not copyable; temporary files not committed are removed
// by the destructor. Not thread-safe.
class StagedFiles {
 public:
  StagedFiles() = default;
  StagedFiles(const StagedFiles&) = delete;
  StagedFiles& operator=(const StagedFiles&) = delete;
  ~StagedFiles();

  // Writes `bytes` to a temporary file in the folder of `target` (the
  // folder is created when missing) with the permission bits of an existing
  // target, else `mode`. Error "ファイル %s を作成できません" naming `target`
  // when the folder or file cannot be written, or when `target` exists and
  // is not a regular file (it could not be renamed over).
  Status Stage(const std::string& target, std::string_view bytes, unsigned mode = 0644);

  // Renames every staged file over its target, then syncs the folders.
  // Stops at the first failing rename with "ファイル %s を作成できません";
  // the targets renamed before it stay replaced.
  Status Commit();

  // The targets staged so far, in order.
  std::vector<std::string> Targets() const;

 private:
  struct Staged {
    std::string target;
    std::string temp;
  };
  std::vector<Staged> staged_;
};

}  // namespace lumidex
