#include "album/file_name_index.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "foundation/file_paths.h"

namespace lumidex {

FileNameIndex::FileNameIndex(std::string folder, std::function<bool()> keepGoing)
    : folder_(WithoutTrailingSlash(folder)), keepGoing_(std::move(keepGoing)) {}

std::optional<std::string> FileNameIndex::FindByName(std::string_view fileName) {
  if (!walked_) Walk();
  auto it = byName_.find(std::string(fileName));
  if (it == byName_.end()) return std::nullopt;
  return it->second;
}

void FileNameIndex::Walk() {
  walked_ = true;
  WalkFolder(folder_);
}

bool FileNameIndex::WalkFolder(const std::string& folder) {
  if (keepGoing_ && !keepGoing_()) {
    stopped_ = true;
    return false;
  }
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return true;
  const std::string prefix = folder == "/" ? folder : folder + "/";
  std::vector<std::string> subfolders;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    unsigned char type = entry->d_type;
    std::string path = prefix + std::string(name);
    if (type == DT_LNK || type == DT_UNKNOWN) {
      // A link counts as a file when it names one; a link to a folder is
      // never entered.
      struct stat info {};
      if (::stat(path.c_str(), &info) != 0) continue;
      if (S_ISREG(info.st_mode)) {
        type = DT_REG;
      } else if (S_ISDIR(info.st_mode) && entry->d_type == DT_UNKNOWN) {
        struct stat own {};
        if (::lstat(path.c_str(), &own) == 0 && S_ISDIR(own.st_mode)) type = DT_DIR;
      }
    }
    if (type == DT_REG) {
      byName_.try_emplace(std::string(name), std::move(path));
    } else if (type == DT_DIR && name[0] != '.') {
      subfolders.emplace_back(name);
    }
  }
  ::closedir(dir);
  std::sort(subfolders.begin(), subfolders.end());
  for (const auto& name : subfolders) {
    if (!WalkFolder(prefix + name)) return false;
  }
  return true;
}

}  // namespace lumidex
