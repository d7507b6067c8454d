#include "imagelist/item_geometry.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(ItemGeometryTest, CellIsAThirdWiderThanHighPlusMargins) {
  EXPECT_EQ(IconItemCell(112), (ItemRect{0, 0, 112 + 37 + 20, 138}));
  EXPECT_EQ(IconItemCell(56), (ItemRect{0, 0, 56 + 18 + 20, 82}));
  EXPECT_EQ(IconItemCell(3), IconItemCell(16));
}

TEST(ItemGeometryTest, FirstScreenCountsWholeColumnsAndRowsShownInPart) {
  // 1000 / 173 = 5 whole columns; 600 / 142 = 4.2, so a fifth row shows in part.
  EXPECT_EQ(ItemsOnFirstScreen(1000, 600, 173, 142), 25);
  // Exactly four rows high: no fifth row shows.
  EXPECT_EQ(ItemsOnFirstScreen(1000, 4 * 142, 173, 142), 20);
  // A view narrower than one cell still shows one column.
  EXPECT_EQ(ItemsOnFirstScreen(100, 300, 173, 142), 3);
  EXPECT_EQ(ItemsOnFirstScreen(0, 600, 173, 142), 0);
  EXPECT_EQ(ItemsOnFirstScreen(1000, 600, 0, 142), 0);
}

TEST(ItemGeometryTest, FileItemPartsFollowThePictureHeight) {
  const FileItemLayout layout = LayoutFileItem(IconItemCell(96), false);
  EXPECT_EQ(layout.h, 96);
  EXPECT_EQ(layout.w, 128);
  EXPECT_EQ(layout.card, (ItemRect{2, 2, 126, 94}));
  EXPECT_EQ(layout.pictureBox, (ItemRect{6, 6, 118, 86}));
  EXPECT_EQ(layout.number.x, 138);
  EXPECT_EQ(layout.number.y, 6);
  EXPECT_EQ(layout.number.bottom(), 25);
  EXPECT_EQ(layout.caption.y, 101);
  EXPECT_EQ(layout.caption.bottom(), 121);
  EXPECT_EQ(layout.unsupported.x, 3);
  EXPECT_EQ(layout.unsupported.y, 6);
}

TEST(ItemGeometryTest, SelectedFileItemIsOnePixelTaller) {
  const FileItemLayout layout = LayoutFileItem(IconItemCell(96), true);
  EXPECT_EQ(layout.h, 97);
  EXPECT_EQ(layout.w, 97 + 32);
}

TEST(ItemGeometryTest, SubAlbumItemBoxAndLine) {
  const SubAlbumItemLayout large = LayoutSubAlbumItem(169, 138, true);
  EXPECT_EQ(large.picture, (ItemRect{2, 2, 38, 38}));
  EXPECT_EQ(large.number.x, 44);
  EXPECT_EQ(large.number.y, 4);
  EXPECT_EQ(large.box, (ItemRect{40, 19, 126, 117}));
  EXPECT_EQ(large.lineY, 34);
  EXPECT_GT(large.comment.y, large.lineY);
  EXPECT_EQ(large.count.y, 4);  // after the number
  const SubAlbumItemLayout small = LayoutSubAlbumItem(94, 82, false);
  EXPECT_EQ(small.count.x, 2);  // bottom left
  EXPECT_EQ(small.count.bottom(), 80);
}

TEST(ItemGeometryTest, PageRowPlacesItsTexts) {
  const PageRowLayout row = LayoutPageRow(300);
  EXPECT_EQ(row.picture, (ItemRect{2, 2, 32, 32}));
  EXPECT_EQ(row.page.x, 39);
  EXPECT_EQ(row.page.y, 2);
  EXPECT_EQ(row.count.x, 114);
  EXPECT_EQ(row.count.y, 4);
  EXPECT_EQ(row.cover.x, 53);
  EXPECT_EQ(row.cover.y, 21);
  EXPECT_EQ(row.subAlbums.x, 114);
  EXPECT_EQ(row.subAlbums.y, 21);
  EXPECT_EQ(row.freeLayout.right(), 300 - 2);
}

TEST(ItemGeometryTest, SmallSummaryPictureKeepsItsSize) {
  EXPECT_EQ(PageRowPicture(16, 16), (ItemRect{2, 2, 16, 16}));
  EXPECT_EQ(PageRowPicture(48, 36), (ItemRect{2, 2, 32, 32}));
}

TEST(ItemGeometryTest, EvenMonthsGetTheLightColour) {
  EXPECT_FALSE(PageRowUsesLightColour(1));
  EXPECT_TRUE(PageRowUsesLightColour(2));
  EXPECT_TRUE(PageRowUsesLightColour(12));
}

}  // namespace
}  // namespace lumidex
