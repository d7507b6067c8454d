#include "album/album_clipboard.h"

#include <algorithm>

#include "album/album_info_line.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "foundation/ini_line.h"

namespace lumidex {
namespace {

void SortUnique(std::vector<std::string>& lines) {
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

std::vector<size_t> ValidIndexes(const AlbumStore& store, const std::vector<size_t>& selection) {
  std::vector<size_t> valid;
  for (size_t index : selection) {
    if (index < store.Lines().size()) valid.push_back(index);
  }
  return valid;
}

// The page named by a line of the page list, or "" when the line is no page
// or the page is locked in the shown year.
std::string UnlockedPageOf(const AlbumStore& store, std::string_view line) {
  if (!IsPageLine(line)) return "";
  const std::string page(line.substr(0, 5));
  return store.IsPageLocked(store.loadedYear(), page) ? "" : page;
}

// The file entries of `section` of `doc`; for a page section of the year
// document also the files of every sub-album it lists.
void AddSectionFiles(const AlbumStore& store, const TMemIniFile& doc, std::string_view section,
                     std::vector<std::string>& paths) {
  const auto* lines = doc.FindSection(section);
  if (lines == nullptr) return;
  for (const auto& line : *lines) {
    const std::string_view name = EntryNameOf(line);
    if (!IsSubAlbumEntry(name)) {
      paths.emplace_back(name);
    } else if (&doc == &store.yearDocument()) {
      AddSectionFiles(store, store.subAlbumDocument(), name.substr(1), paths);
    }
  }
}

}  // namespace

CopiedFiles CopyFiles(const AlbumStore& store, const std::vector<size_t>& selection) {
  CopiedFiles copied;
  if (!store.HasYear()) return copied;
  std::vector<std::string> comments;
  for (size_t index : ValidIndexes(store, selection)) {
    const std::string& line = store.Lines()[index];
    if (!store.PageOpen()) {
      const std::string page = UnlockedPageOf(store, line);
      if (!page.empty()) AddSectionFiles(store, store.yearDocument(), page, copied.paths);
      continue;
    }
    const std::string_view name = EntryNameOf(line);
    if (IsSubAlbumEntry(name)) {
      AddSectionFiles(store, store.subAlbumDocument(), name.substr(1), copied.paths);
      continue;
    }
    copied.paths.emplace_back(name);
    if (!EntryCommentOf(line).empty()) comments.push_back(line);
  }
  SortUnique(copied.paths);
  std::erase_if(copied.paths, [](const std::string& path) { return !FileExists(path); });
  for (const auto& line : comments) {
    if (!copied.copiedComments.empty()) copied.copiedComments += "\r\n";
    copied.copiedComments += line;
  }
  return copied;
}

std::vector<std::string> CopyAlbumInfo(const AlbumStore& store,
                                       const std::vector<size_t>& selection) {
  std::vector<std::string> lines;
  if (!store.HasYear()) return lines;
  const std::string& year = store.loadedYear();
  for (size_t index : ValidIndexes(store, selection)) {
    const std::string& line = store.Lines()[index];
    if (store.PageOpen()) {
      lines.push_back(ToAlbumInfoLine(line, year));
      continue;
    }
    const std::string page = UnlockedPageOf(store, line);
    if (page.empty()) continue;
    if (const auto* section = store.yearDocument().FindSection(page)) {
      for (const auto& entry : *section) lines.push_back(ToAlbumInfoLine(entry, year));
    }
  }
  SortUnique(lines);
  return lines;
}

std::string AlbumInfoText(const std::vector<std::string>& lines) { return JoinLines(lines); }

std::vector<std::string> ParseAlbumInfoText(std::string_view text) {
  std::vector<std::string> lines = SplitLines(text);
  std::erase_if(lines, [](const std::string& line) { return line.empty(); });
  return lines;
}

}  // namespace lumidex
