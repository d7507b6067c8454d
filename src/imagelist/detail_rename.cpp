#include "imagelist/detail_rename.h"

#include <algorithm>
#include <cstdio>

#include "album/album_path.h"
#include "album/album_text.h"
#include "album/file_rename.h"
#include "foundation/file_paths.h"

namespace lumidex {
namespace {

// Numbered names tried for one file before the rename gives up.
constexpr int kMaxNumber = 9999;

std::string Numbered(std::string_view name, int number) {
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, "-%04d", number);
  return std::string(name) + suffix;
}

// The new path of an existing file, renamed; "" when every name was taken
// or the file system refused.
std::string RenameExisting(const std::string& oldPath, std::string_view name, std::string_view extension) {
  const std::string folder(FolderPartOf(oldPath));
  const std::string ext(extension.empty() ? ExtensionAsWritten(oldPath) : extension);
  std::string candidate = folder + std::string(name) + ext;
  if (candidate == oldPath) return {};
  for (int number = 1; number <= kMaxNumber; ++number) {
    if (!FileExists(candidate) && !FolderExists(candidate)) {
      const RenameOutcome outcome = RenameWithoutReplacing(oldPath, candidate);
      if (outcome == RenameOutcome::kRenamed) return candidate;
      // Someone took the name between the check and the rename: count on.
      if (outcome == RenameOutcome::kFailed) return {};
    }
    candidate = folder + Numbered(name, number) + ext;
  }
  return {};
}

// The file a missing entry is pointed to, when it exists; else "".
std::string RepointMissing(const std::string& oldPath, std::string_view typed, std::string_view extension) {
  const bool full = !typed.empty() && typed.front() == '/';
  std::string target = full ? std::string(typed) : std::string(FolderPartOf(oldPath)) + std::string(typed);
  if (ExtensionAsWritten(typed).empty()) target += extension.empty() ? ExtensionAsWritten(oldPath) : extension;
  return FileExists(target) ? target : std::string();
}

}  // namespace

int RenameDetailRows(std::vector<DetailRow>& rows, const std::vector<size_t>& selected,
                     std::vector<std::string>& lines, std::string_view typed) {
  const std::string_view extension = ExtensionAsWritten(typed);
  const std::string_view name = typed.substr(0, typed.size() - extension.size());
  if (name.empty() || typed.find_first_of("=\\") != std::string_view::npos) return 0;
  const bool fullPath = typed.front() == '/';
  int changed = 0;
  for (size_t index : selected) {
    if (index >= rows.size()) continue;
    DetailRow& row = rows[index];
    if (row.isSubAlbum || row.lineIndex >= lines.size() || EntryNameOf(lines[row.lineIndex]) != row.key) {
      continue;
    }
    std::string newPath;
    if (FileExists(row.key)) {
      // A name with a folder would move the file: only a missing file may be
      // pointed elsewhere.
      if (!fullPath && typed.find('/') == std::string_view::npos) newPath = RenameExisting(row.key, name, extension);
    } else {
      newPath = RepointMissing(row.key, typed, extension);
    }
    if (newPath.empty()) continue;
    lines[row.lineIndex] = newPath + "=" + std::string(EntryCommentOf(lines[row.lineIndex]));
    row.key = newPath;
    row.caption = std::string(FileNameOf(newPath));
    row.filled = false;
    row.exifRead = false;
    ++changed;
  }
  return changed;
}

std::vector<std::string> DeleteDetailRows(std::vector<DetailRow>& rows, std::vector<size_t> selected,
                                          std::vector<std::string>& lines) {
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  std::vector<std::string> subSections;
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    if (*it >= rows.size()) continue;
    const DetailRow row = rows[*it];
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(*it));
    if (row.lineIndex >= lines.size() || EntryNameOf(lines[row.lineIndex]) != row.key) continue;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(row.lineIndex));
    for (DetailRow& other : rows) {
      if (other.lineIndex > row.lineIndex) --other.lineIndex;
    }
    if (row.isSubAlbum) subSections.push_back(row.key.substr(1));
  }
  return subSections;
}

std::string DetailDeleteQuestion(const std::vector<DetailRow>& rows, const std::vector<size_t>& selected) {
  std::string question = "アルバムから ";
  if (selected.size() == 1 && selected.front() < rows.size()) {
    question += "'" + rows[selected.front()].caption + "' を";
  } else {
    question += std::to_string(selected.size()) + " 個、";
  }
  return question + "削除します。よろしいですか？";
}

}  // namespace lumidex
