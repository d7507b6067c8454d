#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// An ordered list of text lines, the building block of album documents.
// Lines compare without regard to ASCII letter case and sort in cp932 order
// (see text_compare.h). A sorted list keeps its order on Add and ignores a
// line it already holds; an unsorted list keeps duplicates. Not thread-safe.
class TStringList {
 public:
  TStringList() = default;
  explicit TStringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  size_t Count() const { return lines_.size(); }
  bool Empty() const { return lines_.empty(); }
  const std::string& operator[](size_t i) const { return lines_[i]; }
  const std::vector<std::string>& Lines() const { return lines_; }
  std::vector<std::string> TakeLines() { return std::move(lines_); }

  bool Sorted() const { return sorted_; }
  // Switching sorting on sorts the lines at once.
  void SetSorted(bool sorted);

  // Appends (or, when sorted, inserts in order unless already present).
  // Returns the index of the line.
  size_t Add(std::string line);
  void Insert(size_t index, std::string line);
  void Set(size_t index, std::string line) { lines_[index] = std::move(line); }
  void Delete(size_t index);
  void Clear() { lines_.clear(); }

  // First line equal to `text` (binary search when sorted), or -1.
  long IndexOf(std::string_view text) const;
  // First line from the top that has "=" and whose name equals `name`, or -1.
  long IndexOfName(std::string_view name) const;

  void Sort();

  // Lines joined with CR LF after each; see JoinLines.
  std::string Text() const;
  // Replaces the lines by those of `text`; see SplitLines.
  void SetText(std::string_view text);

 private:
  std::vector<std::string> lines_;
  bool sorted_ = false;
};

}  // namespace lumidex
