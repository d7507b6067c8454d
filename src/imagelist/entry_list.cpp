#include "imagelist/entry_list.h"

#include <cassert>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace lumidex {

std::string_view EntryList::NameAt(int index) const {
  const std::string_view line = lines_[index];
  const size_t eq = line.find('=');
  return eq == std::string_view::npos ? line : line.substr(0, eq);
}

std::string_view EntryList::ValueAt(int index) const {
  const std::string_view line = lines_[index];
  const size_t eq = line.find('=');
  return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

void EntryList::SetRecord(int index, std::unique_ptr<ALBDATA> record) {
  records_[index] = std::move(record);
}

void EntryList::Fill(ListMode mode, std::vector<std::string> lines) {
  mode_ = mode;
  lines_ = std::move(lines);
  records_.clear();
  records_.resize(lines_.size());
}

void EntryList::Clear() {
  lines_.clear();
  records_.clear();
}

void EntryList::DropRecords() {
  for (auto& record : records_) record.reset();
}

void EntryList::Permute(const std::vector<int>& order) {
  assert(order.size() == lines_.size());
  std::vector<std::string> lines;
  std::vector<std::unique_ptr<ALBDATA>> records;
  lines.reserve(order.size());
  records.reserve(order.size());
  for (const int from : order) {
    lines.push_back(std::move(lines_[from]));
    records.push_back(std::move(records_[from]));
  }
  lines_ = std::move(lines);
  records_ = std::move(records);
}

void EntryList::Erase(int index) {
  lines_.erase(lines_.begin() + index);
  records_.erase(records_.begin() + index);
}

void EntryList::Insert(int index, std::string line) {
  lines_.insert(lines_.begin() + index, std::move(line));
  records_.insert(records_.begin() + index, nullptr);
}

void EntryList::Reconcile(std::vector<std::string> lines) {
  // Old items by name, in list order, so duplicates are claimed in order.
  std::unordered_multimap<std::string_view, int> byName;
  byName.reserve(lines_.size());
  for (int index = size() - 1; index >= 0; --index) {
    if (records_[index]) byName.emplace(NameAt(index), index);
  }
  std::vector<std::unique_ptr<ALBDATA>> records(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const size_t eq = line.find('=');
    const std::string_view name = eq == std::string_view::npos ? line : line.substr(0, eq);
    auto [first, last] = byName.equal_range(name);
    if (first == last) continue;
    // The lowest old index of this name that is still unclaimed.
    auto best = first;
    for (auto it = first; it != last; ++it) {
      if (it->second < best->second) best = it;
    }
    records[i] = std::move(records_[best->second]);
    byName.erase(best);
  }
  lines_ = std::move(lines);
  records_ = std::move(records);
}

void EntryList::Replace(int index, std::string line, bool keepRecord) {
  lines_[index] = std::move(line);
  if (!keepRecord) records_[index].reset();
}

}  // namespace lumidex
