#pragma once

#include <functional>
#include <string>
#include <vector>

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

}  // namespace lumidex
