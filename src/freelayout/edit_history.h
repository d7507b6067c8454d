#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "freelayout/free_layout_item.h"

namespace lumidex {

// Undo and redo of the edits of one shown free layout tab, as snapshots of
// its item list. The view records the list before each edit; Undo gives
// the list before the last edit (keeping the current one for Redo), Redo
// the list Undo left. A new edit after an Undo drops what Redo could give.
// The history lives while the tab is shown: Clear when another tab or page
// is loaded. At most `limit` edits are kept (the oldest go first).
// Value type; not thread-safe.
class EditHistory {
 public:
  explicit EditHistory(size_t limit = 200) : limit_(limit) {}

  // Before an edit: `before` is the list the edit starts from.
  void Record(const std::vector<FreeLayoutItem>& before);
  // The list before the last edit, or nothing when there is none; `current`
  // is kept for Redo.
  std::optional<std::vector<FreeLayoutItem>> Undo(const std::vector<FreeLayoutItem>& current);
  // The list the last Undo replaced, or nothing; `current` is kept for Undo.
  std::optional<std::vector<FreeLayoutItem>> Redo(const std::vector<FreeLayoutItem>& current);
  void Clear();

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }

 private:
  const size_t limit_;
  std::vector<std::vector<FreeLayoutItem>> undo_;
  std::vector<std::vector<FreeLayoutItem>> redo_;
};

}  // namespace lumidex
