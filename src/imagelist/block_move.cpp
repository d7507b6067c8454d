#include "imagelist/block_move.h"

#include <algorithm>
#include <map>
#include <string_view>

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

std::optional<std::vector<int>> OrderOfReorderedLines(const std::vector<std::string>& before,
                                                      const std::vector<std::string>& after) {
  if (after == before || after.size() != before.size()) return std::nullopt;
  // The old places of each line, the first one last, taken from the back.
  std::map<std::string_view, std::vector<int>> places;
  for (int i = static_cast<int>(before.size()) - 1; i >= 0; --i) {
    places[before[static_cast<size_t>(i)]].push_back(i);
  }
  std::vector<int> order;
  order.reserve(after.size());
  for (const std::string& line : after) {
    std::vector<int>& from = places[line];
    if (from.empty()) return std::nullopt;
    order.push_back(from.back());
    from.pop_back();
  }
  return order;
}

std::vector<int> SelectionAfterReorder(const std::vector<int>& order,
                                       const std::vector<size_t>& selected) {
  std::vector<bool> wasSelected(order.size(), false);
  for (const size_t index : selected) {
    if (index < wasSelected.size()) wasSelected[index] = true;
  }
  std::vector<int> selection;
  for (int i = 0; i < static_cast<int>(order.size()); ++i) {
    if (wasSelected[static_cast<size_t>(order[static_cast<size_t>(i)])]) selection.push_back(i);
  }
  return selection;
}

}  // namespace lumidex
