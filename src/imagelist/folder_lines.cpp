#include "imagelist/folder_lines.h"

#include <sys/stat.h>

#include "foundation/file_store.h"
#include "imagelist/worker_clock.h"

namespace lumidex {

Result<std::vector<std::string>> CollectFolderLines(const std::string& root,
                                                    const FolderWalkOptions& options,
                                                    const FileTypeLists& types,
                                                    LongOperation& progress,
                                                    const WorkerClock& clock,
                                                    const FolderLinesFound& found) {
  struct stat info {};
  if (root.empty() || stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return Status::NotFound(CannotOpenMessage(root));
  }
  Throttle throttle(clock, kFolderWalkProgressMs);
  std::vector<std::string> lines;
  size_t delivered = 0;  // lines already handed to `found`
  int seen = 0;
  progress.Begin(0);
  const bool listed = WalkFolder(root, options, [&](const std::string& path) {
    ++seen;
    const std::string extension = ExtensionOf(path);
    if (FileTypeLists::IsImageType(extension) || types.IsManagedType(extension)) {
      lines.push_back(path + "=");
    }
    if (!throttle.Due()) return true;
    if (found && delivered < lines.size()) {
      found(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(delivered), lines.end()));
      delivered = lines.size();
    }
    return !progress.Step(seen, path);
  });
  progress.End();
  // Stopped by the user, who needs no message about it.
  if (!listed) return Status::Aborted();
  return lines;
}

}  // namespace lumidex
