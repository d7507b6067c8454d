#include "album/entry_moves.h"

#include <algorithm>
#include <set>

#include "album/album_info_line.h"
#include "album/album_path.h"
#include "album/album_text.h"
#include "foundation/file_types.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

std::set<size_t> ValidSelection(const std::vector<std::string>& lines,
                                const std::vector<size_t>& selection) {
  std::set<size_t> valid;
  for (size_t index : selection) {
    if (index < lines.size()) valid.insert(index);
  }
  return valid;
}

// The sort key of a line: sub-albums ("0" + name) before files ("1" + key).
std::string SortKey(std::string_view line, SortOrder order) {
  const std::string_view name = EntryNameOf(line);
  if (IsSubAlbumEntry(name)) return "0" + std::string(name);
  if (order == SortOrder::kType) return "1" + ExtensionOf(name);
  return "1" + FoldAscii(FileNameOf(name));
}

}  // namespace

std::vector<size_t> MoveUp(std::vector<std::string>& lines, const std::vector<size_t>& selection) {
  const std::set<size_t> selected = ValidSelection(lines, selection);
  if (selected.empty() || *selected.begin() == 0) return {selected.begin(), selected.end()};
  std::vector<size_t> moved;
  for (size_t index : selected) {
    std::swap(lines[index - 1], lines[index]);
    moved.push_back(index - 1);
  }
  return moved;
}

std::vector<size_t> MoveDown(std::vector<std::string>& lines,
                             const std::vector<size_t>& selection) {
  const std::set<size_t> selected = ValidSelection(lines, selection);
  if (selected.empty() || *selected.rbegin() + 1 == lines.size()) {
    return {selected.begin(), selected.end()};
  }
  std::vector<size_t> moved;
  for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
    std::swap(lines[*it], lines[*it + 1]);
    moved.insert(moved.begin(), *it + 1);
  }
  return moved;
}

void SortEntries(std::vector<std::string>& lines, SortOrder order) {
  if (order == SortOrder::kPath) {
    std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
      return CompareText(EntryNameOf(a), EntryNameOf(b)) < 0;
    });
    return;
  }
  std::vector<std::pair<std::string, std::string>> keyed;  // sort key, line
  keyed.reserve(lines.size());
  for (auto& line : lines) keyed.emplace_back(SortKey(line, order), std::move(line));
  std::stable_sort(keyed.begin(), keyed.end(), [order](const auto& a, const auto& b) {
    const int byKey = CompareText(a.first, b.first);
    if (byKey != 0 || order != SortOrder::kType) return byKey < 0;
    return CompareText(FileNameOf(EntryNameOf(a.second)), FileNameOf(EntryNameOf(b.second))) < 0;
  });
  for (size_t i = 0; i < lines.size(); ++i) lines[i] = std::move(keyed[i].second);
}

std::vector<std::string> CutLines(std::vector<std::string>& lines,
                                  const std::vector<size_t>& selection, std::string_view year) {
  const std::set<size_t> selected = ValidSelection(lines, selection);
  std::vector<std::string> cut;
  std::vector<std::string> kept;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (selected.contains(i)) {
      cut.push_back(ToAlbumInfoLine(lines[i], year));
    } else {
      kept.push_back(std::move(lines[i]));
    }
  }
  lines = std::move(kept);
  return cut;
}

}  // namespace lumidex
