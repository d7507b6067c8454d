#include "imagelist/drag_range_selection.h"

#include <algorithm>

namespace lumidex {
namespace {

constexpr int kRowViewMargin = 5;

}  // namespace

DragRangeSelection SelectDragRange(int pressedRow, int currentRow, int rowCount, int margin) {
  DragRangeSelection selection;
  if (pressedRow < 0 || pressedRow >= rowCount) return selection;
  currentRow = std::clamp(currentRow, 0, rowCount - 1);
  margin = std::max(margin, 0);
  selection.first = std::min(pressedRow, currentRow);
  selection.last = std::max(pressedRow, currentRow);
  selection.clearBeforeFirst = std::max(selection.first - margin, 0);
  selection.clearAfterLast = std::min(selection.last + margin, rowCount - 1);
  return selection;
}

int DragDeselectMargin(bool iconView, int itemsAcross) {
  return iconView ? std::max(itemsAcross, 1) + 1 : kRowViewMargin;
}

}  // namespace lumidex
