#include "filetools/folder_history.h"

#include <algorithm>

#include "foundation/file_paths.h"
#include "foundation/album_text_check.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"

namespace lumidex {

FolderHistory FolderHistory::Load(const std::string& userDir, FileStore& store) {
  FolderHistory history(userDir + "dirlist.txt", store);
  Result<std::string> bytes = ReadAlbumFile(store, history.path_, AlbumTextKind::kPlainText);
  if (!bytes.ok()) {
    // Only a missing history may be written from scratch.
    if (!bytes.status().isNotFound()) history.refusal_ = bytes.status().message();
    return history;
  }
  for (auto& line : SplitLines(DecodeEditedFile(bytes.value()))) {
    if (!line.empty() && FolderExists(line) &&
        std::find(history.folders_.begin(), history.folders_.end(), line) ==
            history.folders_.end()) {
      history.folders_.push_back(std::move(line));
    }
  }
  return history;
}

std::vector<std::string> FolderHistory::Shown() const {
  std::vector<std::string> shown = folders_;
  std::stable_sort(shown.begin(), shown.end(), TextLess());
  return shown;
}

void FolderHistory::Add(const std::string& folder) {
  if (folder.empty() || std::find(folders_.begin(), folders_.end(), folder) != folders_.end()) {
    return;
  }
  folders_.push_back(folder);
}

Status FolderHistory::Save() const {
  if (!refusal_.empty()) return Status::Error(refusal_);
  const size_t skip = folders_.size() > kMaxFolders ? folders_.size() - kMaxFolders : 0;
  const std::vector<std::string> kept(folders_.begin() + static_cast<long>(skip), folders_.end());
  return store_->WriteAtomic(path_, EncodeAlbumFile(JoinLines(kept)));
}

}  // namespace lumidex
