#include "album/file_rename.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace lumidex {
namespace {

#ifndef RENAME_NOREPLACE
constexpr unsigned kRenameNoReplace = 1;
#else
constexpr unsigned kRenameNoReplace = RENAME_NOREPLACE;
#endif

int RenameAt2NoReplace(const std::string& from, const std::string& to) {
  return static_cast<int>(
      ::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), kRenameNoReplace));
}

}  // namespace

RenameOutcome RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (RenameAt2NoReplace(from, to) == 0) return RenameOutcome::kRenamed;
  if (errno == EEXIST) return RenameOutcome::kTargetExists;
  if (errno != EINVAL && errno != ENOSYS) return RenameOutcome::kFailed;
  // The file system cannot rename without replacing: a link fails when the
  // target exists, so the target is never replaced.
  if (::link(from.c_str(), to.c_str()) != 0) {
    return errno == EEXIST ? RenameOutcome::kTargetExists : RenameOutcome::kFailed;
  }
  if (::unlink(from.c_str()) != 0) {
    ::unlink(to.c_str());
    return RenameOutcome::kFailed;
  }
  return RenameOutcome::kRenamed;
}

}  // namespace lumidex
