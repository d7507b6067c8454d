#include "printing/print_list.h"

#include <algorithm>
#include <unordered_set>

namespace lumidex {

PrintList::PrintList(std::vector<std::string> chosen, int uses) {
  for (auto& path : chosen) {
    entries_.push_back({std::move(path), {}, static_cast<int>(entries_.size())});
  }
  SetUses(uses);
}

void PrintList::SetUses(int uses) {
  uses_ = std::clamp(uses, 1, kMaxUses);
  // The pictures in the order of their first entries, with those entries'
  // offsets: the user's moves and corrections survive the new count.
  std::vector<PrintEntry> pictures;
  std::unordered_set<int> seen;
  for (const auto& entry : entries_) {
    if (seen.insert(entry.picture).second) pictures.push_back(entry);
  }
  std::vector<PrintEntry> rebuilt;
  rebuilt.reserve(pictures.size() * static_cast<size_t>(uses_));
  for (const auto& picture : pictures) {
    for (int i = 0; i < uses_; ++i) rebuilt.push_back(picture);
  }
  entries_ = std::move(rebuilt);
}

bool PrintList::MoveEntry(int from, int to, bool exchange) {
  if (from == -1 || to == -1 || from == to) return false;
  if (!exchange && to >= size()) to = size() - 1;
  if (!IsIndex(from) || !IsIndex(to) || from == to) return false;
  if (exchange) {
    std::swap(entries_[static_cast<size_t>(from)], entries_[static_cast<size_t>(to)]);
  } else {
    PrintEntry moved = std::move(entries_[static_cast<size_t>(from)]);
    entries_.erase(entries_.begin() + from);
    entries_.insert(entries_.begin() + to, std::move(moved));
  }
  return true;
}

bool PrintList::RemoveEntry(int index) {
  if (!IsIndex(index)) return false;
  entries_.erase(entries_.begin() + index);
  return true;
}

void PrintList::ResetOffsets() {
  for (auto& entry : entries_) entry.offsets = {};
}

}  // namespace lumidex
