#include "printing/print_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <utility>

namespace lumidex {

namespace {

struct NamedPaper {
  const char* name;
  double width;
  double height;
};

// Sheet sizes in millimetres, portrait.
constexpr NamedPaper kPapers[] = {
    {"A3", 297, 420},     {"A4", 210, 297},       {"A5", 148, 210},     {"A6", 105, 148},
    {"B4", 257, 364},     {"B5", 182, 257},       {"B6", 128, 182},     {"Letter", 215.9, 279.4},
    {"Legal", 215.9, 355.6}, {"Postcard", 100, 148}, {"2L", 127, 178},  {"L", 89, 127},
};

// Columns x rows of grid layout `layout` on a sheet of the given orientation.
std::pair<int, int> GridShape(int layout, bool landscape) {
  switch (layout) {
    case 1: return landscape ? std::pair{2, 1} : std::pair{1, 2};
    case 2: return {2, 2};
    case 3: return {3, 3};
    case 4: return landscape ? std::pair{7, 5} : std::pair{5, 7};
    case 5: return {7, 7};
    default: return {1, 1};
  }
}

// The gap between the pictures of a grid, in millimetres: large grids
// leave smaller gaps so that their small cells keep most of their area.
int GridGapMm(int layout) {
  if (layout == 4) return 4;
  if (layout == 5) return 3;
  return 6;
}

void AddGridCells(SheetGeometry& sheet, const PaperFacts& paper) {
  const auto [columns, rows] = GridShape(sheet.layout, paper.landscape);
  sheet.columns = columns;
  sheet.rows = rows;
  const int cellW = std::max(1, sheet.area.width / columns);
  const int cellH = std::max(1, sheet.area.height / rows);
  const int gapX = std::min(MmToDots(GridGapMm(sheet.layout), paper.dpiX), cellW - 1);
  const int gapY = std::min(MmToDots(GridGapMm(sheet.layout), paper.dpiY), cellH - 1);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      SheetCell cell;
      cell.cell = {sheet.area.left + c * cellW, sheet.area.top + r * cellH, cellW, cellH};
      cell.box = {cell.cell.left + gapX / 2, cell.cell.top + gapY / 2, cellW - gapX, cellH - gapY};
      sheet.cells.push_back(cell);
    }
  }
}

SheetCell PhotoCell(int left, int top, int width, int height, bool strip) {
  SheetCell cell;
  cell.cell = {left, top, width, height};
  cell.box = cell.cell;
  cell.strip = strip;
  return cell;
}

// The strip left over beside the regular cells of a portrait sheet, filled
// with prints turned by a quarter: to the right of the columns for a
// landscape print, below the rows for a portrait one. It exists only when a
// turned print still fits after the used length and one spacing.
void AddLeftoverStrip(SheetGeometry& sheet, const PaperFacts& paper, PhotoSizeMm size, int gap,
                      int availW, int availH) {
  const int turnedW = MmToDots(size.height, paper.dpiX);
  const int turnedH = MmToDots(size.width, paper.dpiY);
  const int spaceX = MmToDots(gap, paper.dpiX);
  const int spaceY = MmToDots(gap, paper.dpiY);
  const int columns = sheet.photo.columns;
  const int rows = sheet.photo.rows;
  const int cellW = MmToDots(size.width, paper.dpiX);
  const int cellH = MmToDots(size.height, paper.dpiY);
  if (size.height < size.width) {
    const int usedMm = columns * size.width + (columns - 1) * gap;
    if (usedMm + gap + size.height > availW) return;
    const int count = FitsInLength(availH, size.width, gap);
    const int left = sheet.area.left + columns * (cellW + spaceX);
    for (int i = 0; i < count; ++i) {
      sheet.cells.push_back(
          PhotoCell(left, sheet.area.top + i * (turnedH + spaceY), turnedW, turnedH, true));
    }
  } else {
    const int usedMm = rows * size.height + (rows - 1) * gap;
    if (usedMm + gap + size.width > availH) return;
    const int count = FitsInLength(availW, size.height, gap);
    const int top = sheet.area.top + rows * (cellH + spaceY);
    for (int i = 0; i < count; ++i) {
      sheet.cells.push_back(
          PhotoCell(sheet.area.left + i * (turnedW + spaceX), top, turnedW, turnedH, true));
    }
  }
}

void AddPhotoCells(SheetGeometry& sheet, const PaperFacts& paper, const PrintSettings& settings,
                   int footer) {
  const PhotoSizeMm size = PhotoSizeOf(sheet.layout, settings);
  const int gap = settings.spacing;
  // One count in whole millimetres decides the cells at every resolution:
  // the page and the footer are truncated to millimetres first and the
  // margins, whole millimetres already, are taken off after.
  const int availW = std::max(0, DotsToMm(paper.pageW, paper.dpiX) - settings.marginLeft);
  const int availH =
      std::max(0, DotsToMm(paper.pageH - footer, paper.dpiY) - settings.marginTop);
  sheet.photo = PhotoGrid(size.width, size.height, gap, availW, availH);
  sheet.columns = sheet.photo.columns;
  sheet.rows = sheet.photo.rows;
  if (sheet.photo.oversized) {
    sheet.cells.push_back(PhotoCell(sheet.area.left, sheet.area.top, sheet.area.width,
                                    sheet.area.height, false));
    return;
  }
  const int w = sheet.photo.turned ? size.height : size.width;
  const int h = sheet.photo.turned ? size.width : size.height;
  const int cellW = MmToDots(w, paper.dpiX);
  const int cellH = MmToDots(h, paper.dpiY);
  const int spaceX = MmToDots(gap, paper.dpiX);
  const int spaceY = MmToDots(gap, paper.dpiY);
  for (int r = 0; r < sheet.photo.rows; ++r) {
    for (int c = 0; c < sheet.photo.columns; ++c) {
      sheet.cells.push_back(PhotoCell(sheet.area.left + c * (cellW + spaceX),
                                      sheet.area.top + r * (cellH + spaceY), cellW, cellH, false));
    }
  }
  if (!paper.landscape && !sheet.photo.turned) {
    AddLeftoverStrip(sheet, paper, size, gap, availW, availH);
  }
  if (sheet.cells.size() == 1) {
    // A single print is centred in the area.
    SheetCell& only = sheet.cells.front();
    only.cell.left = sheet.area.left + std::max(0, (sheet.area.width - cellW) / 2);
    only.cell.top = sheet.area.top + std::max(0, (sheet.area.height - cellH) / 2);
    only.box = only.cell;
  }
}

}  // namespace

PaperSizeMm PaperSizeByName(const char* name) {
  for (const auto& paper : kPapers) {
    if (strcasecmp(paper.name, name) == 0) return {true, paper.width, paper.height};
  }
  return {};
}

PaperFacts WholeSheetFacts(double widthMm, double heightMm, int dpi, bool landscape) {
  if (landscape) std::swap(widthMm, heightMm);
  PaperFacts facts;
  facts.dpiX = facts.dpiY = dpi;
  facts.physW = facts.pageW = MmToDots(widthMm, dpi);
  facts.physH = facts.pageH = MmToDots(heightMm, dpi);
  facts.landscape = landscape;
  return facts;
}

double DotsPerMm(int dpi) { return dpi * 0.039370078740157; }

int MmToDots(double mm, int dpi) { return static_cast<int>(mm * DotsPerMm(dpi)); }

int DotsToMm(int dots, int dpi) {
  if (dpi <= 0) return 0;
  return static_cast<int>(static_cast<double>(dots) / dpi * 25.4);
}

int FitsInLength(int avail, int size, int gap) {
  if (size < 1 || avail < size) return 0;
  return (avail - size) / (size + std::max(0, gap)) + 1;
}

PhotoArrangement PhotoGrid(int w, int h, int gap, int availW, int availH) {
  PhotoArrangement result;
  result.columns = FitsInLength(availW, w, gap);
  result.rows = FitsInLength(availH, h, gap);
  if (result.columns <= 1) {
    const int turnedColumns = FitsInLength(availW, h, gap);
    const int turnedRows = FitsInLength(availH, w, gap);
    // Room for a strip beside a single column counts as two more prints.
    const int extra = h + w * result.columns + gap * std::abs(result.columns - 1) < availW ? 2 : 0;
    if (extra + result.rows * result.columns < turnedColumns * turnedRows && turnedRows > 0) {
      result.columns = turnedColumns;
      result.rows = turnedRows;
      result.turned = true;
    }
  }
  if (result.columns * result.rows == 0) {
    result = PhotoArrangement{1, 1, false, true};
  }
  return result;
}

SheetGeometry SheetLayout(const PaperFacts& paper, const PrintSettings& raw, int layout,
                          int footerHeight) {
  const PrintSettings settings = Clamped(raw);
  SheetGeometry sheet;
  sheet.layout = std::clamp(layout, 0, kLayoutCount - 1);
  const int footer =
      settings.printName || settings.pageNumbers ? std::clamp(footerHeight, 0, paper.pageH / 4) : 0;
  const int marginX = std::min(MmToDots(settings.marginLeft, paper.dpiX), paper.pageW / 3);
  const int marginY = std::min(MmToDots(settings.marginTop, paper.dpiY), paper.pageH / 3);
  const bool grid = IsGridLayout(sheet.layout);
  sheet.area.left = marginX;
  sheet.area.top = marginY;
  sheet.area.width = std::max(1, paper.pageW - marginX * (grid ? 2 : 1));
  sheet.area.height = std::max(1, paper.pageH - marginY * (grid ? 2 : 1) - footer);
  sheet.footer = {0, paper.pageH - footer, paper.pageW, footer};
  sheet.pageNumberX = sheet.area.left + MmToDots(2, paper.dpiX);
  if (grid) {
    AddGridCells(sheet, paper);
  } else {
    AddPhotoCells(sheet, paper, settings, footer);
  }
  return sheet;
}

int LastPageIndex(int entries, int cells) {
  if (cells <= 0 || entries <= 0) return 0;
  return entries % cells == 0 ? entries / cells - 1 : entries / cells;
}

int CellAt(const SheetGeometry& sheet, int page, int x, int y) {
  for (size_t i = 0; i < sheet.cells.size(); ++i) {
    if (sheet.cells[i].cell.Contains(x, y)) {
      return page * sheet.cellsPerSheet() + static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace lumidex
