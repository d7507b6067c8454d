#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace lumidex {

// The lines of a section after a bulk addition, and how many entries the
// addition really added.
struct MergedLines {
  std::vector<std::string> lines;
  int added = 0;
};

// Merges `additions` into the raw lines `existing` of a section by entry
// name: names compare without regard to ASCII letter case, as keys of album
// documents do. An addition whose name is already there adds nothing, but
// when the line there has no comment and the addition has one, the
// addition's comment is taken; a comment already there is never replaced.
// Of repeated names among the additions the first with a comment wins. The
// result is sorted in the document's text order (TextLess). `added` counts
// the names that were not there before.
MergedLines MergeSorted(const std::vector<std::string>& existing,
                        const std::vector<std::string>& additions);

// The folded names (see EntryNameOf) of `lines`, for membership tests.
class EntryNameSet {
 public:
  explicit EntryNameSet(const std::vector<std::string>& lines);
  // Adds `name`; false when it was there already.
  bool Insert(const std::string& name);

 private:
  std::unordered_set<std::string> names_;
};

}  // namespace lumidex
