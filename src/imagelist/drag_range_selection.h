#pragma once

namespace lumidex {

// What moving the pointer with the left button held over the page list
// selects: the rows from the pressed row to the row under the pointer, and
// the rows just beyond each end that are deselected again, so that a range
// the pointer shrinks loses the rows it left behind. Each range is
// inclusive; an empty range has first > last.
struct DragRangeSelection {
  int first = 0;  // the selected range
  int last = -1;
  int clearBeforeFirst = 0;  // deselected: clearBeforeFirst .. first - 1
  int clearAfterLast = -1;   // deselected: last + 1 .. clearAfterLast
  bool operator==(const DragRangeSelection&) const = default;
};

// The selection for a press on `pressedRow` with the pointer now over
// `currentRow` in a list of `rowCount` rows, deselecting up to `margin` rows
// beyond each end (kept inside the list). A press outside the list selects
// nothing; a pointer row outside the list counts as the nearest end.
DragRangeSelection SelectDragRange(int pressedRow, int currentRow, int rowCount, int margin);

// How many rows beyond each end of the dragged range are deselected: 5 in
// the row view; in the icon view, where a pointer moving one line skips a
// whole line of items, the number of items across the list plus one.
int DragDeselectMargin(bool iconView, int itemsAcross);

}  // namespace lumidex
