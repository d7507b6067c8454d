#pragma once

#include <functional>
#include <string>
#include <vector>

#include "foundation/file_types.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"
#include "imagelist/worker_clock.h"

namespace lumidex {

// How the folder walk treats what it meets.
struct FolderWalkOptions {
  // Names starting with "." are hidden and skipped unless this is set (the
  // "隠し属性を含める" option of the folder search).
  bool includeHidden = false;
};

// Walks `root` depth first: the folder's files first, then its subfolders,
// each listing sorted by name (cp932 order, ASCII letters folded). Symbolic
// links to folders are never followed, so a link loop cannot trap the walk;
// links to files count as files. Anything that is neither a regular file nor
// a folder (devices, sockets, pipes) is skipped, as are folders that cannot
// be read. The listing tells most entries' types, so only links and entries
// of unknown type cost a stat. `visit` gets every file's full path and returns false to stop.
// Returns false when stopped.
bool WalkFolder(const std::string& root, const FolderWalkOptions& options,
                const std::function<bool(const std::string& path)>& visit);

// Every file WalkFolder visits below `root`, in its order: one listing of
// the folders serves both the count of a progress bar and the work.
std::vector<std::string> ListFilesBelow(const std::string& root, const FolderWalkOptions& options);

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
