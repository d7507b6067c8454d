#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <functional>
#include <string>
#include <vector>

#include "foundation/status.h"
#include "printing/print_geometry.h"
#include "printing/print_list.h"

namespace lumidex {

// The layout's view of a page layout at `dpi`: printable area, sheet and
// offsets in device pixels, orientation; `monochrome` as the printer says.
PaperFacts FactsOf(const QPageLayout& layout, int dpi, bool monochrome);

// One print job: sheets of `list` laid out by `layout` on `paper`.
struct PrintJob {
  PaperFacts paper;
  PrintSettings settings;
  int layout = 0;
  int firstPage = 0;
  int lastPage = 0;  // inclusive; clamped to the list's last sheet
  // How often the program itself prints each sheet: 1 when the printer
  // makes the copies. With `collate` the whole run repeats, else each sheet.
  int copies = 1;
  bool collate = true;
};

// What a job did: the pages sent, the pictures that could not be drawn
// (their cells stay empty).
struct PrintOutcome {
  int pagesPrinted = 0;
  std::vector<std::string> unreadable;
};

// Prints `job` on `device` (a QPrinter or QPdfWriter whose layout matches
// job.paper), page by page: only one sheet's pictures are in memory at a
// time, decoded from the files at the device resolution. `stillGood` is
// asked after every page (a printer that failed mid-job answers false) and
// `abort` before every page. Error "印刷を開始できません" when the device
// cannot be painted on, "印刷に失敗しました" when a page cannot be
// started or the device fails; pages sent before stay sent.
Result<PrintOutcome> RunPrintJob(QPagedPaintDevice& device, const PrintJob& job,
                                 const PrintList& list,
                                 const std::function<bool()>& stillGood = {},
                                 const std::function<bool()>& abort = {});

}  // namespace lumidex
