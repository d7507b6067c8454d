#include "album/staged_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "foundation/data_folders.h"
#include "foundation/durable_io.h"
#include "foundation/file_paths.h"
#include "foundation/file_store.h"

namespace lumidex {

StagedFiles::~StagedFiles() {
  for (const auto& staged : staged_) {
    if (!staged.temp.empty()) ::unlink(staged.temp.c_str());
  }
}

Status StagedFiles::Stage(const std::string& target, std::string_view bytes, unsigned mode) {
  const std::string folder = FolderOf(target);
  struct stat old {};
  const bool exists = ::lstat(target.c_str(), &old) == 0;
  // A folder or device in the target's place would make the rename fail
  // half way through a commit; refuse it before anything is replaced.
  if (exists && !S_ISREG(old.st_mode) && !S_ISLNK(old.st_mode)) {
    return Status::Error(CannotCreateMessage(target));
  }
  if (!MakeFolders(folder)) return Status::Error(CannotCreateMessage(target));
  std::string temp = folder + "/" + std::string(kTempFilePrefix) + "XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Status::Error(CannotCreateMessage(target));
  const mode_t wanted = exists && S_ISREG(old.st_mode) ? (old.st_mode & 07777) : mode;
  const bool written = ::fchmod(fd, wanted) == 0 && WriteFully(fd, bytes) && ::fsync(fd) == 0;
  if (!(::close(fd) == 0 && written)) {
    ::unlink(temp.c_str());
    return Status::Error(CannotCreateMessage(target));
  }
  staged_.push_back({target, std::move(temp)});
  return Status::Ok();
}

Status StagedFiles::Commit() {
  std::vector<std::string> folders;
  Status status;
  for (auto& staged : staged_) {
    if (::rename(staged.temp.c_str(), staged.target.c_str()) != 0) {
      status = Status::Error(CannotCreateMessage(staged.target));
      break;
    }
    staged.temp.clear();
    const std::string folder = FolderOf(staged.target);
    if (std::find(folders.begin(), folders.end(), folder) == folders.end()) folders.push_back(folder);
  }
  // Makes the renames durable; a failure here does not undo them.
  for (const auto& folder : folders) SyncFolder(folder);
  return status;
}

std::vector<std::string> StagedFiles::Targets() const {
  std::vector<std::string> targets;
  for (const auto& staged : staged_) targets.push_back(staged.target);
  return targets;
}

}  // namespace lumidex
