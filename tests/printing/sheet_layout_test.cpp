#include <gtest/gtest.h>

#include <vector>

#include "printing/cell_placement.h"
#include "printing/free_layout_sheet.h"
#include "printing/print_geometry.h"
#include "printing/print_pages.h"

namespace lumidex {
namespace {

PaperFacts A4(int dpi, bool landscape) { return WholeSheetFacts(210, 297, dpi, landscape); }

// Every cell lies inside the area and no two cells overlap.
void ExpectCellsInsideAndApart(const SheetGeometry& sheet) {
  for (size_t i = 0; i < sheet.cells.size(); ++i) {
    const PrintRect& a = sheet.cells[i].cell;
    EXPECT_GE(a.left, sheet.area.left);
    EXPECT_GE(a.top, sheet.area.top);
    EXPECT_LE(a.right(), sheet.area.right()) << "cell " << i << " of layout " << sheet.layout;
    EXPECT_LE(a.bottom(), sheet.area.bottom()) << "cell " << i << " of layout " << sheet.layout;
    for (size_t j = i + 1; j < sheet.cells.size(); ++j) {
      const PrintRect& b = sheet.cells[j].cell;
      const bool apart = a.right() <= b.left || b.right() <= a.left || a.bottom() <= b.top ||
                         b.bottom() <= a.top;
      EXPECT_TRUE(apart) << "cells " << i << " and " << j << " of layout " << sheet.layout;
    }
  }
}

TEST(PrintGeometryTest, FitsInLengthCountsPiecesWithGaps) {
  EXPECT_EQ(FitsInLength(190, 89, 3), 2);
  EXPECT_EQ(FitsInLength(181, 89, 3), 2);
  EXPECT_EQ(FitsInLength(180, 89, 3), 1);
  EXPECT_EQ(FitsInLength(88, 89, 3), 0);
}

TEST(PrintGeometryTest, LSizeOnAPortraitA4TurnsToFourPrints) {
  const PhotoArrangement grid = PhotoGrid(127, 89, 3, 200, 287);
  EXPECT_EQ(grid, (PhotoArrangement{2, 2, true, false}));
}

TEST(PrintGeometryTest, EveryLayoutOnA4KeepsItsCellsInsideAtBothResolutions) {
  PrintSettings settings;
  settings.marginTop = 5;
  settings.marginLeft = 7;
  for (bool landscape : {false, true}) {
    for (int layout = 0; layout < kLayoutCount; ++layout) {
      const SheetGeometry at300 = SheetLayout(A4(300, landscape), settings, layout, 40);
      const SheetGeometry at600 = SheetLayout(A4(600, landscape), settings, layout, 80);
      SCOPED_TRACE(testing::Message() << "layout " << layout << " landscape " << landscape);
      ASSERT_GE(at300.cellsPerSheet(), 1);
      // One count in millimetres: the resolution never changes the cells.
      EXPECT_EQ(at300.cellsPerSheet(), at600.cellsPerSheet());
      ExpectCellsInsideAndApart(at300);
      ExpectCellsInsideAndApart(at600);
      // The margins hold for photo sizes as for grids.
      EXPECT_EQ(at300.area.left, MmToDots(7, 300));
      EXPECT_EQ(at300.area.top, MmToDots(5, 300));
      if (IsPhotoLayout(layout) && !at300.photo.oversized) {
        const PhotoSizeMm size = PhotoSizeOf(layout, settings);
        const SheetCell& first = at600.cells.front();
        const int longSide = std::max(first.cell.width, first.cell.height);
        EXPECT_EQ(longSide, MmToDots(std::max(size.width, size.height), 600));
      }
    }
  }
}

TEST(PrintGeometryTest, GridsFollowTheSheetOrientation) {
  const PrintSettings settings;
  const SheetGeometry portrait = SheetLayout(A4(300, false), settings, 1, 0);
  const SheetGeometry landscape = SheetLayout(A4(300, true), settings, 1, 0);
  ASSERT_EQ(portrait.cellsPerSheet(), 2);
  EXPECT_EQ(portrait.cells[0].cell.left, portrait.cells[1].cell.left);  // stacked halves
  EXPECT_EQ(landscape.cells[0].cell.top, landscape.cells[1].cell.top);  // side by side
  EXPECT_EQ(SheetLayout(A4(300, false), settings, 4, 0).columns, 5);
  EXPECT_EQ(SheetLayout(A4(300, true), settings, 4, 0).columns, 7);
}

TEST(PrintGeometryTest, PrintsThatFitNowhereGetOneCellOfTheWholeArea) {
  PrintSettings settings;
  settings.customWidth = 1000;
  settings.customHeight = 50;
  const SheetGeometry thin = SheetLayout(A4(300, false), settings, kCustomLayout, 0);
  ASSERT_EQ(thin.cellsPerSheet(), 1);
  EXPECT_TRUE(thin.photo.oversized);
  EXPECT_EQ(thin.cells[0].cell, thin.area);
  // A 2000 x 1000 picture is turned to the tall cell, fitted whole and
  // centred, never squashed.
  settings.fillCell = true;
  const CellPlacement placed = PlacePicture(thin, thin.cells[0], settings, false, 2000, 1000);
  EXPECT_EQ(placed.turn, QuarterTurn::kClockwise);
  EXPECT_EQ(placed.target.height, thin.area.height);
  EXPECT_EQ(placed.target.width, thin.area.height / 2);
  EXPECT_EQ(placed.target.left - thin.area.left, (thin.area.width - placed.target.width) / 2);
}

TEST(PrintGeometryTest, OutOfRangeSettingsAreClampedBeforeLayout) {
  PrintSettings settings;
  settings.spacing = 0;
  settings.customWidth = 0;
  settings.customHeight = 65535;
  const PrintSettings clamped = Clamped(settings);
  EXPECT_EQ(clamped.spacing, kMinSpacing);
  EXPECT_EQ(clamped.customWidth, kMinCustomSide);
  EXPECT_EQ(clamped.customHeight, kMaxCustomSide);
  EXPECT_EQ(SheetLayout(A4(300, false), settings, kCustomLayout, 0).cellsPerSheet(), 1);
}

TEST(PrintGeometryTest, TheLeftoverStripTakesTurnedPrintsOnlyWhenTheyFitWithTheSpacing) {
  PrintSettings settings;  // E size 117 x 82 on 210 mm: 117 + 3 + 82 = 202 fits
  const SheetGeometry sheet = SheetLayout(A4(300, false), settings, 6, 0);
  int strip = 0;
  for (const auto& cell : sheet.cells) {
    if (!cell.strip) continue;
    ++strip;
    EXPECT_LT(cell.cell.width, cell.cell.height);  // turned
    EXPECT_GE(cell.cell.left, sheet.cells[0].cell.right() + MmToDots(3, 300));
  }
  EXPECT_EQ(strip, 2);
  // 9 mm more spacing leaves 117 + 12 + 82 = 211 > 210: no strip.
  settings.spacing = 12;
  for (const auto& cell : SheetLayout(A4(300, false), settings, 6, 0).cells) {
    EXPECT_FALSE(cell.strip);
  }
}

TEST(PrintGeometryTest, TheFooterLineIsReservedForPageNumbersAsForTheName) {
  PrintSettings settings;
  settings.printName = false;
  const int plain = SheetLayout(A4(300, false), settings, 0, 50).area.height;
  settings.pageNumbers = true;
  const SheetGeometry numbered = SheetLayout(A4(300, false), settings, 0, 50);
  EXPECT_EQ(numbered.area.height, plain - 50);
  EXPECT_LE(numbered.area.bottom(), numbered.footer.top);
}

TEST(PrintGeometryTest, PicturesTurnToMatchTheirCells) {
  const PrintSettings settings;
  const SheetGeometry halves = SheetLayout(A4(300, false), settings, 1, 0);
  const SheetCell& half = halves.cells[0];
  EXPECT_EQ(TurnFor(halves, half, false, 400, 300), QuarterTurn::kNone);
  EXPECT_EQ(TurnFor(halves, half, false, 300, 400), QuarterTurn::kClockwise);
  const SheetGeometry whole = SheetLayout(A4(300, false), settings, 0, 0);
  EXPECT_EQ(TurnFor(whole, whole.cells[0], false, 400, 300), QuarterTurn::kClockwise);
  EXPECT_EQ(TurnFor(whole, whole.cells[0], false, 300, 400), QuarterTurn::kNone);
  EXPECT_EQ(TurnFor(whole, whole.cells[0], false, 300, 300), QuarterTurn::kNone);
  const SheetGeometry many = SheetLayout(A4(300, false), settings, 4, 0);
  EXPECT_EQ(TurnFor(many, many.cells[0], false, 400, 300), QuarterTurn::kNone);
  // L prints turned on a portrait A4: the cells are portrait.
  const SheetGeometry prints = SheetLayout(A4(300, false), settings, 7, 0);
  EXPECT_EQ(TurnFor(prints, prints.cells[0], false, 400, 300), QuarterTurn::kClockwise);
}

TEST(PrintGeometryTest, KeepingTheRatioFitsWholeOrCoversAndCrops) {
  PrintSettings settings;
  const SheetGeometry sheet = SheetLayout(A4(300, false), settings, 0, 0);
  SheetCell cell;
  cell.cell = cell.box = {10, 20, 100, 100};
  const CellPlacement fitted = PlacePicture(sheet, cell, settings, false, 300, 600);
  EXPECT_EQ(fitted.target, (PrintRect{35, 20, 50, 100}));
  settings.fillCell = true;
  const CellPlacement stretched = PlacePicture(sheet, cell, settings, false, 300, 600);
  EXPECT_EQ(stretched.target, cell.box);
  EXPECT_EQ(stretched.drawW, 100);
  settings.keepRatio = true;
  const CellPlacement cropped = PlacePicture(sheet, cell, settings, false, 100, 200);
  EXPECT_EQ(cropped.drawH, 200);  // 1:2 kept
  EXPECT_EQ(cropped.slackY, 100);
  EXPECT_EQ(cropped.cropY, 50);
  EXPECT_EQ(PlacePicture(sheet, cell, settings, false, 100, 200, {0, -30}).cropY, 20);
  EXPECT_EQ(PlacePicture(sheet, cell, settings, false, 100, 200, {0, 999}).cropY, 100);
}

TEST(PrintGeometryTest, PagesTakeTheEntriesInCellOrder) {
  EXPECT_EQ(LastPageIndex(13, 4), 3);
  EXPECT_EQ(LastPageIndex(12, 4), 2);
  EXPECT_EQ(LastPageIndex(0, 4), 0);
  const std::vector<PictureSize> pictures(13, PictureSize{400, 300, {}});
  const PrintPlan plan = LayoutPages(A4(300, false), PrintSettings{}, 2, 0, pictures);
  ASSERT_EQ(plan.pages.size(), 4u);
  EXPECT_EQ(plan.pages[3].cells.size(), 1u);
  EXPECT_EQ(plan.pages[3].cells[0].entry, 12);
  EXPECT_EQ(plan.pages[1].cells[2].cell, plan.sheet.cells[2]);
  const SheetCell& second = plan.sheet.cells[1];
  EXPECT_EQ(CellAt(plan.sheet, 2, second.cell.left + 1, second.cell.top + 1), 9);
  EXPECT_EQ(CellAt(plan.sheet, 2, second.cell.left, second.cell.top + 1), -1);  // on the edge
  EXPECT_EQ(LayoutPages(A4(300, false), PrintSettings{}, 2, 0, {}).pages.size(), 1u);
}

}  // namespace
}  // namespace lumidex

namespace lumidex {
namespace {

TEST(FreeLayoutSheetTest, TheTabKeepsItsShapeAndFollowsTheAlignment) {
  const FreeLayoutSheet centred = PlaceFreeLayoutSheet(3300, 2550, 40, 50, 1);
  EXPECT_EQ(centred.height, 1617);
  EXPECT_EQ(centred.top, 1275 - 808);
  EXPECT_EQ(PlaceFreeLayoutSheet(3300, 2550, 40, 50, 0).top, 100);
  EXPECT_EQ(PlaceFreeLayoutSheet(3300, 2550, 40, 50, 2).top, 2550 - 1617 - 100);
}

}  // namespace
}  // namespace lumidex
