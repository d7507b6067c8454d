#pragma once

#include <string>
#include <vector>

#include "album/entry_registration.h"
#include "foundation/file_types.h"
#include "foundation/status.h"

namespace lumidex {

// The folder search that brings a dropped, pasted or chosen folder into the
// album: every file below `folder` whose extension is a picture type (or a
// managed type when `includeManaged`), depth first, a folder's files before
// its subfolders, each listing sorted. Hidden ("." names) files and folders
// only with `includeHidden`; symbolic links to folders are not followed, and
// unreadable folders are skipped.
std::vector<std::string> SearchFolder(const std::string& folder, const FileTypeLists& types,
                                      bool includeManaged, bool includeHidden);
// SearchFolder with managed types, as EntryRegistration searches dropped and
// pasted folders. `types` must outlive the result.
FolderSearch MakeFolderSearch(const FileTypeLists& types, bool includeHidden);

}  // namespace lumidex
