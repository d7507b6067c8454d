#pragma once

#include <string>
#include <vector>

#include "printing/cell_placement.h"

namespace lumidex {

// One entry of the print list: a picture path and the user's offsets of its
// cropped cell.
struct PrintEntry {
  std::string path;
  CellOffsets offsets;
  int picture = 0;  // which chosen picture: the same path chosen twice is two pictures
  bool operator==(const PrintEntry&) const = default;
};

// The pictures to print, in order, each chosen picture standing `uses`
// times. Moves, exchanges and removals are the user's edits; changing the
// use count keeps them (the pictures keep the order of their first entries,
// removed pictures stay removed, offsets stay). Not thread-safe.
class PrintList {
 public:
  static constexpr int kMaxUses = 120;

  PrintList() = default;
  // `chosen` each once, in order; uses clamped to 1..kMaxUses.
  explicit PrintList(std::vector<std::string> chosen, int uses = 1);

  const std::vector<PrintEntry>& entries() const { return entries_; }
  int size() const { return static_cast<int>(entries_.size()); }
  int uses() const { return uses_; }
  bool IsIndex(int index) const { return index >= 0 && index < size(); }
  // REQUIRES: IsIndex(index).
  PrintEntry& at(int index) { return entries_[static_cast<size_t>(index)]; }
  const PrintEntry& at(int index) const { return entries_[static_cast<size_t>(index)]; }

  // Every picture `uses` times in a row (clamped to 1..kMaxUses).
  void SetUses(int uses);

  // Moves entry `from` to position `to`, the entries between shifting by
  // one, or with `exchange` swaps the two. Without `exchange` a `to` past the
  // end means the last position. False (nothing changed) when either is -1,
  // they are equal, or one is not an index of the list.
  bool MoveEntry(int from, int to, bool exchange);

  // Deletes entry `index` (and, when each picture stands once, the picture
  // itself, so a new use count does not bring it back). False for an index
  // outside the list.
  bool RemoveEntry(int index);

  // Every entry's offsets back to the middle: the cells changed shape.
  void ResetOffsets();

 private:
  std::vector<PrintEntry> entries_;
  int uses_ = 1;
};

}  // namespace lumidex
