#include "filetools/folder_search.h"

#include "album/registrable_file.h"
#include "imagelist/folder_walk.h"

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

FolderSearch MakeFolderSearch(const FileTypeLists& types, bool includeHidden,
                              LongOperation* progress) {
  return [&types, includeHidden, progress](const std::string& folder)
             -> Result<std::vector<std::string>> {
    if (progress == nullptr) return SearchFolder(folder, types, true, includeHidden);
    std::vector<std::string> found;
    int done = 0;
    const bool finished = WalkFolder(folder, {includeHidden}, [&](const std::string& path) {
      if (RegistrabilityCheck::HasRegistrableType(path, types, true)) found.push_back(path);
      return !progress->Step(++done, path);
    });
    if (!finished) return Status::Error("");
    return found;
  };
}

}  // namespace lumidex
