#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumidex {

// The outcome of dropping a selection onto an item of the list.
struct BlockMove {
  // New item i is old item order[i].
  std::vector<int> order;
  // The new indices of the moved items, ascending.
  std::vector<int> selection;
  bool operator==(const BlockMove&) const = default;
};

// Moves the selected items of a list of `count` items as one block, in their
// order, onto the item `target`. Dropped behind the first selected item, the
// block lands right after the last unselected item at or before the target
// (with A B C D E and A, B dropped on D: C D A B E; with A B C D E F and B, E
// dropped on D: A C D B E F). Dropped before it, the block starts where the
// target stood (three items dropped on the first item take indices 0, 1, 2).
// Nothing moves (nullopt) when nothing is selected, when the target is
// outside the list (empty space) or is the first selected item.
// `selected` lists indices inside the list, in any order, duplicates allowed.
std::optional<BlockMove> MoveSelectedBlock(int count, std::vector<int> selected, int target);

// Where each of the lines `after` stood in `before`: new line i is old line
// order[i]. A line that occurs twice takes its old places in their order.
// nullopt when `after` is not a reordering of the same lines (another count,
// a line that was not there) or is the same order.
std::optional<std::vector<int>> OrderOfReorderedLines(const std::vector<std::string>& before,
                                                      const std::vector<std::string>& after);

// The new indices, ascending, of the items `selected` (old indices; those
// outside `order` are ignored) after the reordering `order` (new item i is
// old item order[i]).
std::vector<int> SelectionAfterReorder(const std::vector<int>& order,
                                       const std::vector<size_t>& selected);

}  // namespace lumidex
