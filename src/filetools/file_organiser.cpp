#include "filetools/file_organiser.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <set>

#include "album/album_path.h"
#include "foundation/file_paths.h"
#include "foundation/text_compare.h"
#include "images/exif_reader.h"

namespace lumidex {
namespace {

struct FolderId {
  dev_t dev = 0;
  ino_t ino = 0;
  bool valid = false;
};

FolderId IdOf(const std::string& folder) {
  struct stat info {};
  if (::stat(folder.c_str(), &info) != 0) return {};
  return {info.st_dev, info.st_ino, true};
}

// The entries of `folder`: its files (regular files and links to them) and
// its subfolders (no links), each sorted by name.
struct Listing {
  std::vector<std::string> files;
  std::vector<std::string> folders;
};

Listing List(const std::string& folder) {
  Listing listing;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return listing;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    unsigned char type = entry->d_type;
    if (type == DT_LNK || type == DT_UNKNOWN) {
      struct stat info {};
      const std::string path = folder + "/" + name;
      if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        type = DT_REG;
      } else if (type == DT_UNKNOWN && ::lstat(path.c_str(), &info) == 0 &&
                 S_ISDIR(info.st_mode)) {
        type = DT_DIR;
      }
    }
    if (type == DT_REG) listing.files.push_back(name);
    if (type == DT_DIR) listing.folders.push_back(name);
  }
  ::closedir(dir);
  std::sort(listing.files.begin(), listing.files.end(), TextLess());
  std::sort(listing.folders.begin(), listing.folders.end(), TextLess());
  return listing;
}

std::string LowerExtension(std::string_view name) {
  const std::string_view extension = ExtensionAsWritten(name);
  return FoldAscii(extension);
}

// "yyyy", "yyyymm" or "yyyymmdd" of a date "yyyy/mm/dd hh:mm:ss".
std::string FolderNameOf(const std::string& date, OrganiseUnit unit) {
  std::string name = date.substr(0, 4);
  if (unit != OrganiseUnit::kYear) name += date.substr(5, 2);
  if (unit == OrganiseUnit::kDay) name += date.substr(8, 2);
  return name;
}

// "yyyymmdd-hhnnss" of a date "yyyy/mm/dd hh:mm:ss".
std::string DateFileBase(const std::string& date) {
  return date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2) + "-" + date.substr(11, 2) +
         date.substr(14, 2) + date.substr(17, 2);
}

class Planner {
 public:
  Planner(const OrganiseOptions& options, const FileTypeLists& types)
      : options_(options),
        types_(types),
        destination_(WithTrailingSlash(options.destination)),
        destinationId_(IdOf(options.destination)) {}

  std::vector<FileTransfer> Plan() {
    PlanFolder(WithoutTrailingSlash(options_.source), true);
    return std::move(plan_);
  }

 private:
  void PlanFolder(const std::string& folder, bool isSource) {
    const Listing listing = List(folder);
    for (const auto& name : listing.files) PlanFile(folder + "/" + name, name);
    if (!options_.withSubfolders) return;
    for (const auto& name : listing.folders) {
      if (name[0] == '.') continue;
      const std::string sub = folder + "/" + name;
      const FolderId id = IdOf(sub);
      // The destination inside the source holds the results, not pictures
      // to organise: its subtree is left out of the walk.
      if (destinationId_.valid && id.valid && id.dev == destinationId_.dev &&
          id.ino == destinationId_.ino) {
        continue;
      }
      PlanFolder(sub, false);
    }
  }

  void PlanFile(const std::string& path, const std::string& name) {
    const std::string extension = LowerExtension(name);
    const bool picture = FileTypeLists::IsImageType(extension);
    if (!picture && !(options_.includeManaged && types_.IsManagedType(extension))) return;
    const std::string date = OrganiseDate(path, options_.exifDates);
    if (date.empty()) return;  // vanished meanwhile
    const std::string folder = destination_ + FolderNameOf(date, options_.unit) + "/";
    const bool rename = options_.renameToDate && picture;
    const std::string wanted = rename ? folder + DateFileBase(date) + extension : folder + name;
    plan_.push_back({path, DistinctTarget(wanted, taken_, rename)});
  }

  const OrganiseOptions& options_;
  const FileTypeLists& types_;
  const std::string destination_;
  const FolderId destinationId_;
  std::set<std::string> taken_;
  std::vector<FileTransfer> plan_;
};

}  // namespace

std::string OrganiseDate(const std::string& path, bool exifDates) {
  if (exifDates && LowerExtension(path) == ".jpg") {
    std::string shot = ExifDate(path, true);
    if (shot.size() == 19) return shot;
  }
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return "";
  struct tm local {};
  if (localtime_r(&info.st_mtime, &local) == nullptr) return "";
  char text[64];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

std::vector<FileTransfer> PlanOrganise(const OrganiseOptions& options, const FileTypeLists& types) {
  return Planner(options, types).Plan();
}

int RemoveEmptiedFolders(const std::string& folder) {
  const std::string base = WithoutTrailingSlash(folder);
  const Listing listing = List(base);
  for (const auto& name : listing.folders) {
    if (name[0] == '.') continue;
    const std::string sub = base + "/" + name;
    // rmdir refuses a folder that still holds anything, so nothing but
    // emptied folders can go.
    if (RemoveEmptiedFolders(sub) == 0) ::rmdir(sub.c_str());
  }
  // Everything that is not a folder counts, so a folder with a pipe or a
  // broken link stays.
  int files = 0;
  if (DIR* dir = ::opendir(base.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      const std::string_view name = entry->d_name;
      if (name == "." || name == ".." || entry->d_type == DT_DIR) continue;
      ++files;
    }
    ::closedir(dir);
  }
  return files;
}

Result<OrganiseReport> OrganiseFiles(const OrganiseOptions& options, const FileTypeLists& types,
                                     FileOperationPrompts& prompts, LongOperation& progress) {
  if (!FolderExists(options.source)) {
    return Status::NotFound("フォルダがありません: " + options.source);
  }
  if (!FolderExists(options.destination)) {
    return Status::NotFound("フォルダがありません: " + options.destination);
  }
  OrganiseReport report;
  const std::vector<FileTransfer> plan = PlanOrganise(options, types);
  report.planned = static_cast<int>(plan.size());
  if (plan.empty()) return report;
  report.transfer = TransferFiles(plan, options.move ? TransferMode::kMove : TransferMode::kCopy,
                                  prompts, progress);
  if (options.move && options.removeEmptied && options.withSubfolders) {
    RemoveEmptiedFolders(options.source);
  }
  return report;
}

}  // namespace lumidex
