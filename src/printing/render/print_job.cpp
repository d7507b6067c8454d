#include "printing/render/print_job.h"

#include <QPainter>
#include <algorithm>

#include "printing/render/sheet_painter.h"

namespace lumidex {

namespace {

// The sheets in the order they are sent.
std::vector<int> SheetOrder(const PrintJob& job, int lastSheet) {
  const int first = std::clamp(job.firstPage, 0, lastSheet);
  const int last = std::clamp(job.lastPage, first, lastSheet);
  const int copies = std::max(1, job.copies);
  std::vector<int> order;
  if (job.collate) {
    for (int c = 0; c < copies; ++c) {
      for (int page = first; page <= last; ++page) order.push_back(page);
    }
  } else {
    for (int page = first; page <= last; ++page) order.insert(order.end(), copies, page);
  }
  return order;
}

}  // namespace

PaperFacts FactsOf(const QPageLayout& layout, int dpi, bool monochrome) {
  PaperFacts facts;
  const QRect full = layout.fullRectPixels(dpi);
  const QRect paint = layout.paintRectPixels(dpi);
  facts.physW = full.width();
  facts.physH = full.height();
  facts.pageW = paint.width();
  facts.pageH = paint.height();
  facts.offX = paint.left();
  facts.offY = paint.top();
  facts.dpiX = facts.dpiY = dpi;
  facts.landscape = layout.orientation() == QPageLayout::Landscape;
  facts.monochrome = monochrome;
  return facts;
}

Result<PrintOutcome> RunPrintJob(QPagedPaintDevice& device, const PrintJob& job,
                                 const PrintList& list, const std::function<bool()>& stillGood,
                                 const std::function<bool()>& abort) {
  const SheetGeometry sheet =
      SheetLayout(job.paper, job.settings, job.layout, FooterHeight(job.paper.dpiY));
  const std::vector<int> order =
      SheetOrder(job, LastPageIndex(list.size(), sheet.cellsPerSheet()));
  PrintOutcome outcome;
  QPainter painter;
  if (!painter.begin(&device)) return Status::Error("印刷を開始できません");
  SheetContent content;
  content.sheet = &sheet;
  content.settings = &job.settings;
  content.entries = list.size();
  content.dpiY = job.paper.dpiY;
  const CellPictureOptions options{1.0, true, job.paper.monochrome};
  content.picture = [&](int entry, const SheetCell& cell) -> std::optional<CellPicture> {
    const PrintEntry& item = list.at(entry);
    Result<CellPicture> picture = RenderCellPicture(item.path, sheet, cell, job.settings,
                                                    job.paper.landscape, item.offsets, options);
    if (!picture.ok()) {
      outcome.unreadable.push_back(item.path);
      return std::nullopt;
    }
    return std::move(picture).value();
  };
  for (size_t i = 0; i < order.size(); ++i) {
    if (abort && abort()) break;
    if (i > 0 && !device.newPage()) {
      painter.end();
      return Status::Error("印刷に失敗しました");
    }
    content.page = order[i];
    PaintSheet(painter, content, false);
    ++outcome.pagesPrinted;
    if (stillGood && !stillGood()) {
      painter.end();
      return Status::Error("印刷に失敗しました");
    }
  }
  if (!painter.end()) return Status::Error("印刷に失敗しました");
  return outcome;
}

}  // namespace lumidex
