#include "imagelist/block_move.h"

#include <algorithm>

namespace lumidex {

std::optional<BlockMove> MoveSelectedBlock(int count, std::vector<int> selected, int target) {
  std::sort(selected.begin(), selected.end());
  selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
  if (selected.empty() || target < 0 || target >= count || target == selected.front()) {
    return std::nullopt;
  }
  std::vector<bool> isSelected(count, false);
  for (const int index : selected) isSelected[index] = true;

  // The unselected items in order; the block goes in before rest[insertAt].
  std::vector<int> rest;
  rest.reserve(count - selected.size());
  int insertAt = 0;
  const bool movingDown = target > selected.front();
  for (int index = 0; index < count; ++index) {
    if (isSelected[index]) continue;
    if (movingDown ? index <= target : index < target) insertAt = static_cast<int>(rest.size()) + 1;
    rest.push_back(index);
  }

  BlockMove move;
  move.order.reserve(count);
  move.order.insert(move.order.end(), rest.begin(), rest.begin() + insertAt);
  for (const int index : selected) {
    move.selection.push_back(static_cast<int>(move.order.size()));
    move.order.push_back(index);
  }
  move.order.insert(move.order.end(), rest.begin() + insertAt, rest.end());
  return move;
}

}  // namespace lumidex
