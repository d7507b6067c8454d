#pragma once

#include <string>
#include <vector>

#include "album/entry_registration.h"
#include "foundation/file_types.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

// The folder search that brings a dropped, pasted or chosen folder into the
// album: every file below `folder` whose extension is a picture type (or a
// managed type when `includeManaged`), depth first, a folder's files before
// its subfolders, each listing sorted. Hidden ("." names) files and folders
// only with `includeHidden`; symbolic links to folders are not followed, and
// unreadable folders are skipped. With `progress`, Step is called after each
// file and an abort request ends the search with an Error status of empty
// message; `progress` must outlive the search.
std::vector<std::string> SearchFolder(const std::string& folder, const FileTypeLists& types,
                                      bool includeManaged, bool includeHidden);
FolderSearch MakeFolderSearch(const FileTypeLists& types, bool includeHidden,
                              LongOperation* progress = nullptr);

}  // namespace lumidex
