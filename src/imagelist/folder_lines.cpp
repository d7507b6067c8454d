#include "imagelist/folder_lines.h"

#include <sys/stat.h>

#include "foundation/file_store.h"
#include "imagelist/worker_clock.h"

namespace lumidex {

Result<std::vector<std::string>> CollectFolderLines(const std::string& root,
                                                    const FolderWalkOptions& options,
                                                    const FileTypeLists& types,
                                                    LongOperation& progress,
                                                    const WorkerClock& clock) {
  struct stat info {};
  if (root.empty() || stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    return Status::NotFound(CannotOpenMessage(root));
  }
  Throttle throttle(clock, kFolderWalkProgressMs);
  auto aborted = [&](int done, const std::string& path) {
    return throttle.Due() ? progress.Step(done, path) : false;
  };

  std::vector<std::string> paths;
  progress.Begin(0);
  const bool listed = WalkFolder(root, options, [&](const std::string& path) {
    paths.push_back(path);
    return !aborted(0, path);
  });
  std::vector<std::string> lines;
  bool collected = listed;
  if (listed) {
    progress.Begin(static_cast<int>(paths.size()));
    int done = 0;
    for (const std::string& path : paths) {
      const std::string extension = ExtensionOf(path);
      if (FileTypeLists::IsImageType(extension) || types.IsManagedType(extension)) {
        lines.push_back(path + "=");
      }
      if (aborted(++done, path)) {
        collected = false;
        break;
      }
    }
  }
  progress.End();
  // Stopped by the user, who needs no message about it.
  if (!collected) return Status::Aborted();
  return lines;
}

}  // namespace lumidex
