#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "imagelist/entry_list.h"

namespace lumidex {

// The kind of the item last clicked in the list, which the popup menu and
// the group selection go by.
struct ClickedKind {
  // The lower-case extension with its dot, "notfile" for a missing file, ""
  // for none.
  std::string extension;
  bool subAlbum = false;  // the item was a "@" entry
  bool operator==(const ClickedKind&) const = default;
};

inline constexpr std::string_view kMissingFileKind = "notfile";

// Whether the item at `index` is a file entry whose file is known to be
// missing (it has a record that says so). "@" entries never are.
bool IsMissingFile(const EntryList& entries, int index);

// The kind of the item at `index` (REQUIRES: inside the list).
ClickedKind KindOfItem(const EntryList& entries, int index);

// The items a double click on empty space selects, ascending. With
// `sameKind` (the "同種ファイルの選択" button or Alt): every missing file when
// the last clicked item was missing, else every item with the same
// lower-case extension (a "@" entry only matches when the last clicked item
// was one, and never matches a missing file). Otherwise
// every "@" entry when the last clicked item was one, else every other item.
// `isMissing` tells whether a file entry is missing; by default the records
// say so (items without a record count as present).
std::vector<int> SelectGroup(const EntryList& entries, const ClickedKind& last, bool sameKind,
                             const std::function<bool(int index)>& isMissing = nullptr);

// Looks up an item by text: compares `text` with each line's name (ASCII
// letters without regard to case; with `partial`, the name only has to start
// with it), from `start` to the end, then, when `wrap` is asked and `start`
// was not 0, from 0 up to `start`. Returns the index, or -1 if none matches.
int FindItemByName(const EntryList& entries, std::string_view text, int start, bool wrap,
                   bool partial);

}  // namespace lumidex
