#include "foundation/string_list.h"

#include <algorithm>

#include "foundation/ini_line.h"
#include "foundation/text_compare.h"

namespace lumidex {

void TStringList::SetSorted(bool sorted) {
  if (sorted && !sorted_) Sort();
  sorted_ = sorted;
}

size_t TStringList::Add(std::string line) {
  if (!sorted_) {
    lines_.push_back(std::move(line));
    return lines_.size() - 1;
  }
  auto it = std::lower_bound(lines_.begin(), lines_.end(), line, TextLess());
  const size_t index = static_cast<size_t>(it - lines_.begin());
  if (it != lines_.end() && CompareText(*it, line) == 0) return index;
  lines_.insert(it, std::move(line));
  return index;
}

void TStringList::Insert(size_t index, std::string line) {
  lines_.insert(lines_.begin() + static_cast<long>(std::min(index, lines_.size())), std::move(line));
}

void TStringList::Delete(size_t index) {
  if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<long>(index));
}

long TStringList::IndexOf(std::string_view text) const {
  if (sorted_) {
    auto it = std::lower_bound(lines_.begin(), lines_.end(), text,
                               [](const std::string& a, std::string_view b) { return CompareText(a, b) < 0; });
    if (it != lines_.end() && CompareText(*it, text) == 0) return it - lines_.begin();
    return -1;
  }
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (EqualsNoCase(lines_[i], text)) return static_cast<long>(i);
  }
  return -1;
}

long TStringList::IndexOfName(std::string_view name) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (HasEquals(lines_[i]) && EqualsNoCase(NameOf(lines_[i]), name)) return static_cast<long>(i);
  }
  return -1;
}

void TStringList::Sort() { std::stable_sort(lines_.begin(), lines_.end(), TextLess()); }

std::string TStringList::Text() const { return JoinLines(lines_); }

void TStringList::SetText(std::string_view text) {
  lines_ = SplitLines(text);
  if (sorted_) Sort();
}

}  // namespace lumidex
