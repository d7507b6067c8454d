#include "album/entry_merge.h"

#include <algorithm>
#include <unordered_map>

#include "album/album_text.h"
#include "foundation/text_compare.h"

namespace lumidex {

MergedLines MergeSorted(const std::vector<std::string>& existing,
                        const std::vector<std::string>& additions) {
  MergedLines result;
  result.lines = existing;
  // Folded name -> index of its line in result.lines.
  std::unordered_map<std::string, size_t> byName;
  byName.reserve(existing.size() + additions.size());
  for (size_t i = 0; i < result.lines.size(); ++i) {
    byName.emplace(FoldAscii(EntryNameOf(result.lines[i])), i);
  }
  for (const auto& line : additions) {
    const auto [it, isNew] = byName.emplace(FoldAscii(EntryNameOf(line)), result.lines.size());
    if (isNew) {
      result.lines.push_back(line);
      ++result.added;
      continue;
    }
    std::string& there = result.lines[it->second];
    if (EntryCommentOf(there).empty() && !EntryCommentOf(line).empty()) {
      there = std::string(EntryNameOf(there)) + "=" + std::string(EntryCommentOf(line));
    }
  }
  std::stable_sort(result.lines.begin(), result.lines.end(), TextLess());
  return result;
}

EntryNameSet::EntryNameSet(const std::vector<std::string>& lines) {
  names_.reserve(lines.size());
  for (const auto& line : lines) names_.insert(FoldAscii(EntryNameOf(line)));
}

bool EntryNameSet::Insert(const std::string& name) { return names_.insert(FoldAscii(name)).second; }

}  // namespace lumidex
