#include "printing/render/print_job.h"

#include <QPainter>
#include <algorithm>
#include <future>
#include <optional>

#include "images/thread_pool.h"

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
  const CellPictureOptions options{1.0, true, job.paper.monochrome, false};
  // The pictures of one sheet are decoded together on the pool, then drawn;
  // only that sheet's pictures are in memory.
  ThreadPool pool(std::min<size_t>(2, CoreCount()));
  const int cells = sheet.cellsPerSheet();
  std::vector<std::optional<CellPicture>> pictures;
  const auto decodeSheet = [&](int page) {
    std::vector<std::future<Result<CellPicture>>> pending;
    for (int i = 0; i < cells && page * cells + i < list.size(); ++i) {
      const PrintEntry& item = list.at(page * cells + i);
      const SheetCell& cell = sheet.cells[static_cast<size_t>(i)];
      pending.push_back(pool.Submit([&, item, cell] {
        return RenderCellPicture(item.path, sheet, cell, job.settings, job.paper.landscape,
                                 item.offsets, options);
      }));
    }
    pictures.clear();
    for (size_t i = 0; i < pending.size(); ++i) {
      Result<CellPicture> picture = pending[i].get();
      if (picture.ok()) {
        pictures.emplace_back(std::move(picture).value());
      } else {
        pictures.emplace_back(std::nullopt);
        const std::string& path = list.at(page * cells + static_cast<int>(i)).path;
        if (std::find(outcome.unreadable.begin(), outcome.unreadable.end(), path) ==
            outcome.unreadable.end()) {
          outcome.unreadable.push_back(path);
        }
      }
    }
  };
  content.picture = [&](int entry, const SheetCell&) -> std::optional<CellPicture> {
    std::optional<CellPicture>& picture = pictures[static_cast<size_t>(entry % cells)];
    return std::move(picture);
  };
  for (size_t i = 0; i < order.size(); ++i) {
    if (abort && abort()) break;
    if (i > 0 && !device.newPage()) {
      painter.end();
      return Status::Error("印刷に失敗しました");
    }
    content.page = order[i];
    decodeSheet(order[i]);
    PaintSheet(painter, content, false);
    pictures.clear();
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
