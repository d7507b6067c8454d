#include "album/section_dedupe.h"

#include <unordered_map>

#include "album/album_text.h"
#include "foundation/text_compare.h"

namespace lumidex {

bool DedupeEntryLines(std::vector<std::string>& lines) {
  std::unordered_map<std::string, size_t> firstOfName;  // folded name -> index in `kept`
  firstOfName.reserve(lines.size());
  std::vector<std::string> kept;
  kept.reserve(lines.size());
  for (auto& line : lines) {
    auto [it, inserted] = firstOfName.emplace(FoldAscii(EntryNameOf(line)), kept.size());
    if (inserted) {
      kept.push_back(std::move(line));
      continue;
    }
    std::string& keeper = kept[it->second];
    if (EntryCommentOf(keeper).empty() && !EntryCommentOf(line).empty()) keeper = std::move(line);
  }
  const bool dropped = kept.size() != lines.size();
  lines = std::move(kept);
  return dropped;
}

}  // namespace lumidex
