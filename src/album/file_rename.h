#pragma once

#include <string>

namespace lumidex {

enum class RenameOutcome { kRenamed, kTargetExists, kFailed };

// Renames the file `from` to `to` without ever replacing a file that exists
// at `to` (renameat2 with RENAME_NOREPLACE; where the file system lacks it,
// a hard link then unlink of the old name). kTargetExists leaves both files
// as they were; kFailed (no rights, missing file, other device) too.
RenameOutcome RenameWithoutReplacing(const std::string& from, const std::string& to);

}  // namespace lumidex
