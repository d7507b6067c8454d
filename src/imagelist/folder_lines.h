#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/file_types.h"
#include "foundation/folder_walk.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"
#include "imagelist/worker_clock.h"

namespace lumidex {

// Receives the lines found since its last call while a walk still runs.
using FolderLinesFound = std::function<void(std::vector<std::string> lines)>;

// The lines of folder mode: walks `root` once and collects every file whose
// extension is an image type or one of the managed types, as its path
// followed by "=", in the order of the walk. Progress goes to `progress`
// (its Step, with the number of files seen, lets window events run and
// reports the abort request) at most once every 50 ms of `clock`, not per
// file; just before each such step `found` (may be empty) gets the lines
// found since the step before, so a view can show them while the walk
// runs. Errors: NotFound with the "cannot open" message when `root` is not
// a folder; Aborted when the user stopped the walk (nothing is returned).
Result<std::vector<std::string>> CollectFolderLines(const std::string& root,
                                                    const FolderWalkOptions& options,
                                                    const FileTypeLists& types,
                                                    LongOperation& progress,
                                                    const WorkerClock& clock,
                                                    const FolderLinesFound& found = nullptr);

// How often the folder walk lets window events run.
inline constexpr int kFolderWalkProgressMs = 50;

}  // namespace lumidex
