#include "filetools/folder_search.h"

#include "album/registrable_file.h"
#include "foundation/folder_walk.h"

namespace lumidex {

std::vector<std::string> SearchFolder(const std::string& folder, const FileTypeLists& types,
                                      bool includeManaged, bool includeHidden) {
  std::vector<std::string> found;
  WalkFolder(folder, {includeHidden}, [&](const std::string& path) {
    if (RegistrabilityCheck::HasRegistrableType(path, types, includeManaged)) found.push_back(path);
    return true;
  });
  return found;
}

FolderSearch MakeFolderSearch(const FileTypeLists& types, bool includeHidden) {
  return [&types, includeHidden](const std::string& folder) -> Result<std::vector<std::string>> {
    return SearchFolder(folder, types, true, includeHidden);
  };
}

}  // namespace lumidex
