#include "imagelist/drag_range_selection.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(DragRangeSelectionTest, DownwardsSelectsFromPressedToCurrentAndClearsFiveEachSide) {
  const DragRangeSelection s = SelectDragRange(10, 14, 100, 5);
  EXPECT_EQ(s.first, 10);
  EXPECT_EQ(s.last, 14);
  EXPECT_EQ(s.clearBeforeFirst, 5);
  EXPECT_EQ(s.clearAfterLast, 19);
}

TEST(DragRangeSelectionTest, UpwardsIsTheSameRangeTheOtherWayRound) {
  EXPECT_EQ(SelectDragRange(14, 10, 100, 5), SelectDragRange(10, 14, 100, 5));
}

TEST(DragRangeSelectionTest, ClearedRowsStayInsideTheList) {
  const DragRangeSelection s = SelectDragRange(2, 7, 9, 5);
  EXPECT_EQ(s.clearBeforeFirst, 0);
  EXPECT_EQ(s.clearAfterLast, 8);
}

TEST(DragRangeSelectionTest, PointerBeyondTheListCountsAsItsEnds) {
  EXPECT_EQ(SelectDragRange(3, 50, 10, 5).last, 9);
  EXPECT_EQ(SelectDragRange(3, -1, 10, 5).first, 0);
}

TEST(DragRangeSelectionTest, PressOutsideTheListSelectsNothing) {
  const DragRangeSelection s = SelectDragRange(-1, 4, 10, 5);
  EXPECT_GT(s.first, s.last);
  EXPECT_GT(s.clearBeforeFirst, s.clearAfterLast);
  EXPECT_GT(SelectDragRange(10, 4, 10, 5).first, SelectDragRange(10, 4, 10, 5).last);
}

TEST(DragRangeSelectionTest, MarginIsFiveRowsOrOneLineOfIconsPlusOne) {
  EXPECT_EQ(DragDeselectMargin(false, 7), 5);
  EXPECT_EQ(DragDeselectMargin(true, 3), 4);
  EXPECT_EQ(DragDeselectMargin(true, 0), 2);
}

}  // namespace
}  // namespace lumidex
