#pragma once

#include <string>
#include <vector>

#include "foundation/file_types.h"
#include "foundation/folder_walk.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"
#include "imagelist/worker_clock.h"

namespace lumidex {

// The lines of folder mode: walks `root` once, listing the files, then
// collects every file whose extension is an image type or one of the
// managed types, as its path followed by "=". Progress goes to `progress`
// (its Step, which lets window events run and reports the abort request) at
// most once every 50 ms of `clock`, not per file. Errors: NotFound with the
// "cannot open" message when `root` is not a folder; Error with an empty
// message when the user aborted the walk (nothing is returned then).
Result<std::vector<std::string>> CollectFolderLines(const std::string& root,
                                                    const FolderWalkOptions& options,
                                                    const FileTypeLists& types,
                                                    LongOperation& progress,
                                                    const WorkerClock& clock);

// How often the folder walk lets window events run.
inline constexpr int kFolderWalkProgressMs = 50;

}  // namespace lumidex
