#include "printing/print_pages.h"

namespace lumidex {

PrintPlan LayoutPages(const PaperFacts& paper, const PrintSettings& settings, int layout,
                      int footerHeight, std::span<const PictureSize> pictures) {
  PrintPlan plan;
  plan.sheet = SheetLayout(paper, settings, layout, footerHeight);
  const int cells = plan.sheet.cellsPerSheet();
  const int entries = static_cast<int>(pictures.size());
  const int last = LastPageIndex(entries, cells);
  plan.pages.reserve(static_cast<size_t>(last) + 1);
  for (int page = 0; page <= last; ++page) {
    PrintPage sheet{page, {}};
    for (int i = 0; i < cells && page * cells + i < entries; ++i) {
      const int entry = page * cells + i;
      const PictureSize& picture = pictures[static_cast<size_t>(entry)];
      const SheetCell& cell = plan.sheet.cells[static_cast<size_t>(i)];
      sheet.cells.push_back({entry, cell,
                             PlacePicture(plan.sheet, cell, settings, paper.landscape,
                                          picture.width, picture.height, picture.offsets)});
    }
    plan.pages.push_back(std::move(sheet));
  }
  return plan;
}

}  // namespace lumidex
