#include <gtest/gtest.h>

#include "freelayout/free_layout_clipboard.h"
#include "freelayout/layout_operations.h"

namespace lumidex {
namespace {

// A canvas of 730 x 364 pixels shows one unit as one pixel.
const LayoutScale kCanvas(730, 364);

FreeLayoutItem Picture(int x, int y, int w, int h, bool selected = true) {
  FreeLayoutItem item;
  item.x = x;
  item.y = y;
  item.width = w;
  item.height = h;
  item.value = "/pics/" + std::to_string(x) + "_" + std::to_string(y) + ".jpg";
  item.selected = selected;
  return item;
}

FreeLayoutItem Text(int x, const std::string& text) {
  FreeLayoutItem item = NewTextItem(text, x, 10, kCanvas);
  item.selected = true;
  return item;
}

TEST(LayoutOperationsTest, EqualSpacingFromTheLeftKeepsTheNearestGap) {
  std::vector<FreeLayoutItem> items = {Picture(10, 0, 100, 50), Picture(400, 0, 50, 50),
                                       Picture(150, 0, 50, 50), Picture(720, 0, 50, 50)};
  EqualSpacingLeft(items, 0, kCanvas);
  EXPECT_EQ(items[2].x, 150);
  EXPECT_EQ(items[1].x, 240);
  EXPECT_EQ(items[3].x, 720);  // starts beyond width - 32: left alone
  EXPECT_FALSE(items[1].selected);
  EXPECT_TRUE(items[3].selected);
}

TEST(LayoutOperationsTest, ArrangeStartsTheNextRowBelowTheTallestItemOfARow) {
  // A short first item, then a tall one, then one that no longer fits the row.
  std::vector<FreeLayoutItem> items = {Picture(500, 200, 300, 20), Picture(0, 0, 300, 120),
                                       Picture(10, 10, 300, 40), Picture(0, 0, 10, 10, false)};
  ArrangeFromTopLeft(items, kCanvas, 16);
  EXPECT_EQ(items[0].x, 20);
  EXPECT_EQ(items[0].y, 20);
  EXPECT_EQ(items[1].x, 336);  // 4 + 16 + 300 + 16
  EXPECT_EQ(items[1].y, 20);
  EXPECT_EQ(items[2].x, 20);
  EXPECT_GE(items[2].y, items[1].y + items[1].height);
  EXPECT_EQ(items[3].x, 0);  // not selected
}

TEST(LayoutOperationsTest, BringBackMovesOnlyOutsideItemsToTheCascade) {
  std::vector<FreeLayoutItem> items = {Picture(9000, 10, 50, 50), Picture(100, 100, 50, 50),
                                       Picture(10, 400, 50, 50)};
  EXPECT_TRUE(IsOutside(items[0], kCanvas));
  EXPECT_EQ(BringBackOutside(items, kCanvas), 2);
  EXPECT_EQ(items[0].x, 20);
  EXPECT_EQ(items[0].y, 20);
  EXPECT_EQ(items[1].x, 100);
  EXPECT_EQ(items[2].x, 30);
  EXPECT_EQ(items[2].y, 30);
  EXPECT_EQ(BringBackOutside(items, kCanvas), 0);
}

TEST(LayoutOperationsTest, PicturesPastedNearTheCornerCascadeWhileTheyFit) {
  const LayoutScale small(365, 160);
  const std::vector<std::string> paths(5, "/p/a.jpg");
  const std::vector<FreeLayoutItem> items = NewPictureItems(paths, 100, 100, small);
  ASSERT_EQ(items.size(), 5u);
  std::vector<int> tops;
  for (const FreeLayoutItem& item : items) tops.push_back(small.UnitsToPixelsY(item.y));
  // 100 + 18 + 48 passes 160: the last three stay at the offset 12.
  EXPECT_EQ(tops, (std::vector<int>{99, 105, 111, 111, 111}));
  EXPECT_EQ(items[0].width, 200);
  EXPECT_EQ(NewPictureItems(std::vector<std::string>(10000, "/p/a.jpg"), 0, 0, small).size(), 11u);
  // A point nearer the edge than 48 pixels is brought inside.
  EXPECT_EQ(small.UnitsToPixelsX(NewTextItem("x", 360, 5, small).x), 317);
}

TEST(LayoutOperationsTest, ACopiedMultiLineTextPastesAsItselfOnAnotherTab) {
  std::vector<FreeLayoutItem> items = {Text(120, "one\r\ntwo"), Picture(5, 5, 60, 60, false)};
  items[0].framed = true;
  items[0].rotation = 0;
  const ExistsCheck none = [](const std::string&) { return false; };
  const CopiedItems copied = CopySelected(items, none);
  EXPECT_EQ(copied.text, "one\r\ntwo");
  EXPECT_EQ(copied.lines.find('\r'), std::string::npos);  // one line per item
  // The system clipboard may give the text back with LF alone.
  EXPECT_TRUE(IsOwnPaste(copied, "one\ntwo"));
  EXPECT_FALSE(IsOwnPaste(copied, "one"));
  const std::vector<FreeLayoutItem> pasted = ItemsOfCopied(copied.lines, 2);
  ASSERT_EQ(pasted.size(), 1u);
  EXPECT_EQ(pasted[0].tab, 2);
  EXPECT_EQ(pasted[0].value, items[0].value);
  EXPECT_EQ(pasted[0].x, items[0].x);
  EXPECT_EQ(pasted[0].Flags(), items[0].Flags());
}

TEST(LayoutOperationsTest, CopiedPicturesGoToTheClipboardAsFiles) {
  std::vector<FreeLayoutItem> items = {Picture(1, 2, 30, 40), Picture(7, 8, 30, 40)};
  items[0].keepAspect = true;
  items[1].keepAspect = true;
  const ExistsCheck first = [&](const std::string& path) { return path == items[0].value; };
  const CopiedItems copied = CopySelected(items, first);
  EXPECT_EQ(copied.files, std::vector<std::string>{items[0].value});
  EXPECT_TRUE(IsOwnPaste(copied, items[0].value + "\r\n/other.jpg"));
  const std::vector<FreeLayoutItem> pasted = ItemsOfCopied(copied.lines, 0);
  ASSERT_EQ(pasted.size(), 2u);
  EXPECT_TRUE(pasted[0].keepAspect);
  EXPECT_FALSE(pasted[1].keepAspect);  // a missing picture keeps no proportions
}

TEST(LayoutOperationsTest, MovesStopAtTheEdgeRules) {
  EXPECT_TRUE(MoveAllowed({0, 0, 40, 40}, kCanvas));  // exactly at the edge
  EXPECT_TRUE(MoveAllowed({-1, 10, 40, 40}, kCanvas));
  EXPECT_FALSE(MoveAllowed({-10, 10, 40, 40}, kCanvas));  // 30 px inside
  EXPECT_FALSE(MoveAllowed({730 - 16, 10, 40, 40}, kCanvas));
  EXPECT_TRUE(MoveAllowed({730 - 17, 364 - 17, 40, 40}, kCanvas));
  EXPECT_FALSE(MoveAllowed({10, -30, 40, 40}, kCanvas));

  std::vector<FreeLayoutItem> items = {Picture(0, 50, 40, 40), Picture(100, 50, 40, 40)};
  EXPECT_TRUE(GroupMoveRefused(items, kCanvas, -1, 0));
  EXPECT_FALSE(GroupMoveRefused(items, kCanvas, 1, 0));
  items[0].selected = false;
  EXPECT_FALSE(GroupMoveRefused(items, kCanvas, -1, 0));  // one item: no group rule
}

TEST(LayoutOperationsTest, APressPicksMoveOrResizeByItsZone) {
  const CanvasRect rect{0, 0, 100, 80};
  EXPECT_EQ(DragKindAt(rect, 97, 40), DragKind::kResizeWidth);
  EXPECT_EQ(DragKindAt(rect, 40, 77), DragKind::kResizeHeight);
  EXPECT_EQ(DragKindAt(rect, 92, 72), DragKind::kResizeBoth);
  EXPECT_EQ(DragKindAt(rect, 50, 40), DragKind::kMove);
  const CanvasRect narrowed = ResizedRect(rect, DragKind::kResizeWidth, -95, 30);
  EXPECT_EQ(narrowed.width, 11);
  EXPECT_EQ(narrowed.height, 80);

  // A drag that comes back to its start gives the units it started with.
  const LayoutScale half(365, 182);
  std::vector<FreeLayoutItem> items = {Picture(101, 80, 50, 50)};
  const std::vector<DragStart> starts = SelectedRects(items, half);
  MoveItems(items, starts, 1, 0, half);
  EXPECT_EQ(items[0].x, 102);
  MoveItems(items, starts, 0, 0, half);
  EXPECT_EQ(items[0].x, 101);
  EXPECT_EQ(items[0].y, 80);
}

TEST(LayoutOperationsTest, ArrowKeysStepOneUnitOnAnyCanvas) {
  // 1200 pixels across: one pixel more would read back as the same units.
  const LayoutScale wide(1200, 600);
  std::vector<FreeLayoutItem> items = {Picture(100, 100, 50, 50), Picture(0, 10, 50, 50), Picture(5, 5, 8, 8, false)};
  NudgeSelected(items, 1, 0, false, wide);
  EXPECT_EQ(items[0].x, 101);
  EXPECT_EQ(items[1].x, 1);
  NudgeSelected(items, -1, 0, false, wide);
  NudgeSelected(items, -1, 0, false, wide);
  EXPECT_EQ(items[1].x, -1);  // 82 pixels of it stay inside: allowed past the edge
  NudgeSelected(items, 0, 1, true, wide);
  EXPECT_EQ(items[0].height, 51);
  items[2].selected = true;
  NudgeSelected(items, -1, 0, true, wide);
  EXPECT_EQ(items[2].width, 7);  // 11 pixels on this canvas
  NudgeSelected(items, -1, 0, true, wide);
  EXPECT_EQ(items[2].width, 7);
}

TEST(LayoutOperationsTest, StackingReordersTheList) {
  std::vector<FreeLayoutItem> items = {Text(1, "a"), Text(2, "b"), Picture(3, 0, 10, 10)};
  EXPECT_TRUE(TextsToFront(items));
  EXPECT_EQ(items[0].x, 3);
  EXPECT_EQ(items[2].value, Text(2, "b").value);
  EXPECT_FALSE(TextsToFront(items));
  EXPECT_TRUE(ToTop(items, 0));
  EXPECT_EQ(items[2].x, 3);
  EXPECT_TRUE(ToBottom(items, 2));
  EXPECT_EQ(items[0].x, 3);

  SelectAll(items, false);
  items[0].selected = items[2].selected = true;
  const int x2 = items[2].x;
  ASSERT_TRUE(SwapWithSelected(items, 0));
  EXPECT_EQ(items[0].x, 3);  // the other item now holds its place in the list
  EXPECT_EQ(items[2].x, x2);
  EXPECT_EQ(items[2].value, Picture(3, 0, 10, 10).value);
  EXPECT_EQ(DeleteSelected(items), 2);
  EXPECT_EQ(items.size(), 1u);
}

TEST(LayoutOperationsTest, SelectionByBandKindAndInversion) {
  std::vector<FreeLayoutItem> items = {Picture(10, 10, 50, 50, false), Picture(300, 200, 70, 50, false),
                                       Text(100, "t")};
  items[2].selected = false;
  EXPECT_EQ(SelectInBand(items, kCanvas, {0, 0, 120, 120}), 0);
  EXPECT_TRUE(items[0].selected);
  EXPECT_TRUE(items[2].selected);
  EXPECT_FALSE(items[1].selected);
  EXPECT_EQ(ItemAt(items, kCanvas, 320, 220), 1);
  EXPECT_EQ(ItemAt(items, kCanvas, 700, 300), -1);
  InvertSelection(items);
  EXPECT_EQ(SelectedCount(items), 1);
  const std::vector<ItemKind> kinds = {ItemKind::kPicture, ItemKind::kPicture, ItemKind::kText};
  SelectKind(items, kinds, ItemKind::kText);
  EXPECT_TRUE(items[2].selected);
  EXPECT_EQ(SelectedCount(items), 1);
  SelectAll(items);
  SameSize(items, kinds, 0);
  EXPECT_EQ(items[1].width, 50);
  EXPECT_EQ(items[2].width, 160);  // another kind
}

TEST(LayoutOperationsTest, SameScaleAndKeptProportionsFollowThePictures) {
  // The reference shows its 400 x 300 picture at 200 x 100: 50 % across, a third down.
  std::vector<FreeLayoutItem> items = {Picture(0, 0, 200, 100), Picture(300, 0, 50, 50), Picture(400, 0, 70, 70),
                                       Picture(500, 0, 90, 90), Text(0, "t")};
  const PictureSizes sizes = {ItemPixelSize{400, 300}, ItemPixelSize{1000, 30}, ItemPixelSize{400, 300},
                              std::nullopt, std::nullopt};
  SameScale(items, sizes, 0, kCanvas);
  EXPECT_EQ(items[1].width, 500);
  EXPECT_EQ(items[1].height, 16);  // never below 16 pixels
  EXPECT_EQ(items[2].width, 200);  // the same picture size: the same stored size
  EXPECT_EQ(items[2].height, 100);
  EXPECT_EQ(items[3].width, 90);  // size unknown: left alone
  EXPECT_EQ(items[4].width, 160);

  KeepProportions(items, sizes, true, kCanvas);
  EXPECT_TRUE(items[0].keepAspect);
  EXPECT_EQ(items[0].height, 150);  // 200 wide, 4:3
  EXPECT_FALSE(items[3].keepAspect);
}

TEST(LayoutOperationsTest, TheRotationBarMapsToRotationSteps) {
  EXPECT_EQ(BarOfRotation(170), -10);
  EXPECT_EQ(RotationLabel(BarOfRotation(170)), "20°");
  EXPECT_EQ(RotationOfBar(-10), 170);
  EXPECT_EQ(RotationOfBar(-90), 90);
  EXPECT_EQ(RotationOfBar(90), 90);
  std::vector<FreeLayoutItem> items = {Picture(0, 0, 10, 10), Text(0, "t")};
  RotateSelected(items, 45);
  EXPECT_EQ(items[0].rotation, 45);
  EXPECT_EQ(items[1].rotation, 0);  // texts do not turn
}

}  // namespace
}  // namespace lumidex
