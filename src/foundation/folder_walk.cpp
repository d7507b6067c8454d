#include "foundation/folder_walk.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <string_view>

#include "foundation/file_paths.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

struct Listing {
  std::vector<std::string> files;
  std::vector<std::string> folders;
};

enum class EntryKind { kFile, kFolder, kOther };

// What the entry `name` of the open folder `dir` is, from the type readdir
// gave (`type`): most file systems fill it in, so most entries cost no
// system call. Only a symbolic link (whose target decides: a link to a file
// is a file, a link to a folder is not followed) and an entry of unknown
// type are examined. An entry that vanished meanwhile is kOther.
EntryKind KindOf(DIR* dir, const char* name, unsigned char type) {
  if (type == DT_REG) return EntryKind::kFile;
  if (type == DT_DIR) return EntryKind::kFolder;
  if (type != DT_LNK && type != DT_UNKNOWN) return EntryKind::kOther;
  struct stat info {};
  if (fstatat(dirfd(dir), name, &info, AT_SYMLINK_NOFOLLOW) != 0) return EntryKind::kOther;
  if (S_ISDIR(info.st_mode)) return EntryKind::kFolder;
  if (S_ISREG(info.st_mode)) return EntryKind::kFile;
  if (!S_ISLNK(info.st_mode)) return EntryKind::kOther;
  struct stat target {};
  if (fstatat(dirfd(dir), name, &target, 0) == 0 && S_ISREG(target.st_mode)) {
    return EntryKind::kFile;
  }
  return EntryKind::kOther;
}

// The names in `folder` split into files and folders, each sorted by name.
Listing ListFolder(const std::string& folder, const FolderWalkOptions& options) {
  Listing listing;
  DIR* dir = opendir(folder.c_str());
  if (dir == nullptr) return listing;
  while (const dirent* entry = readdir(dir)) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (name.front() == '.' && !options.includeHidden) continue;
    switch (KindOf(dir, entry->d_name, entry->d_type)) {
      case EntryKind::kFile:
        listing.files.emplace_back(name);
        break;
      case EntryKind::kFolder:
        listing.folders.emplace_back(name);
        break;
      case EntryKind::kOther:
        break;
    }
  }
  closedir(dir);
  std::sort(listing.files.begin(), listing.files.end(), TextLess());
  std::sort(listing.folders.begin(), listing.folders.end(), TextLess());
  return listing;
}

bool WalkFrom(const std::string& folder, const FolderWalkOptions& options,
              const std::function<bool(const std::string&)>& visit) {
  const Listing listing = ListFolder(folder, options);
  for (const std::string& name : listing.files) {
    if (!visit(folder + name)) return false;
  }
  for (const std::string& name : listing.folders) {
    if (!WalkFrom(folder + name + "/", options, visit)) return false;
  }
  return true;
}

}  // namespace

bool WalkFolder(const std::string& root, const FolderWalkOptions& options,
                const std::function<bool(const std::string& path)>& visit) {
  return WalkFrom(WithTrailingSlash(root), options, visit);
}

std::vector<std::string> ListFilesBelow(const std::string& root, const FolderWalkOptions& options) {
  std::vector<std::string> paths;
  WalkFolder(root, options, [&](const std::string& path) {
    paths.push_back(path);
    return true;
  });
  return paths;
}

}  // namespace lumidex
