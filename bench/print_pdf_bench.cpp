// bench-libs: lumidex_printing_render lumidex_printing lumidex_images lumidex_foundation Qt6::Gui
// Speed of printing photo prints to a PDF, each figure beside its reference:
//   (a) twelve 12-megapixel camera JPEGs (4000 x 3000, quality 90) as L-size
//       prints on A4 at 300 dpi written by Qt's PDF writer, beside decoding
//       the same files alone at the print size (goal: within 1.5 times,
//       peak memory under 500 MB);
//   (b) the layout of 1,000 pictures into sheets (goal: under a second).
// Usage: print_pdf_bench [DIR]  (the JPEGs and the PDF go into DIR, default a
// new folder below /tmp, removed at the end). Prints figures; asserts nothing.
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"
#include "printing/print_geometry.h"
#include "printing/print_list.h"
#include "printing/print_pages.h"
#include "printing/render/print_job.h"
#include "printing/render/sheet_painter.h"

namespace {

using namespace lumidex;

constexpr int kPictures = 12;
constexpr int kDpi = 300;
constexpr int kLSize = 7;

// A camera-like picture: smooth colour ramps with fine detail, so the
// encoder keeps a realistic amount of data.
std::string CameraJpeg(int seed) {
  Bitmap bitmap = Bitmap::Create(4000, 3000);
  for (int y = 0; y < 3000; ++y) {
    uint8_t* row = bitmap.row(y);
    for (int x = 0; x < 4000; ++x) {
      row[4 * x] = static_cast<uint8_t>(x * 255 / 4000 + seed);
      row[4 * x + 1] = static_cast<uint8_t>(y * 255 / 3000);
      row[4 * x + 2] = static_cast<uint8_t>(((x ^ y) + seed) & 0x3F) + 96;
      row[4 * x + 3] = 255;
    }
  }
  return EncodeJpeg(bitmap, 90).value();
}

size_t WritePdf(const std::string& pdf, const PrintList& list) {
  QPdfWriter writer(QString::fromStdString(pdf));
  writer.setResolution(kDpi);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  PrintJob job;
  job.paper = FactsOf(writer.pageLayout(), kDpi, false);
  job.layout = kLSize;
  job.lastPage = list.size();
  Result<PrintOutcome> outcome = RunPrintJob(writer, job, list);
  if (!outcome.ok()) std::abort();
  return static_cast<size_t>(outcome.value().pagesPrinted);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bench::WorkFolder folder(argc, argv, "print_pdf_bench");
  const std::string& dir = folder.path();
  std::vector<std::string> paths;
  for (int i = 0; i < kPictures; ++i) {
    paths.push_back(dir + "/photo" + std::to_string(i) + ".jpg");
    if (!RealFileStore().WriteAtomic(paths.back(), CameraJpeg(i * 7)).ok()) {
      std::fprintf(stderr, "cannot write %s\n", paths.back().c_str());
      return 1;
    }
  }
  const double memoryBefore = bench::PeakMemoryMb();

  // Reference: each file decoded at the size of its L print (1499 x 1051 at
  // 300 dpi), nothing else.
  const int printW = MmToDots(127, kDpi);
  const int printH = MmToDots(89, kDpi);
  const double decodeMs = bench::Best(3, [&] {
    for (const auto& path : paths) {
      JpegDecodeOptions options;
      options.coverWidth = printW;
      options.coverHeight = printH;
      if (!LoadPicture(path, options).ok()) std::abort();
    }
  });
  const PrintList list(paths);
  size_t pages = 0;
  const std::string pdf = dir + "/prints.pdf";
  const double printMs = bench::Best(3, [&] { pages = WritePdf(pdf, list); });
  std::printf("(a) %d L prints, %zu pages, A4 300 dpi PDF: %.0f ms; decoding alone at print size: "
              "%.0f ms; ratio %.2f (goal <= 1.5); peak memory %.0f MB (%.0f MB before the runs; "
              "goal < 500)\n",
              kPictures, pages, printMs, decodeMs, printMs / decodeMs, bench::PeakMemoryMb(),
              memoryBefore);

  const std::vector<PictureSize> sizes(1000, PictureSize{4000, 3000, {}});
  const PaperFacts paper = WholeSheetFacts(210, 297, kDpi, false);
  size_t sheets = 0;
  const double layoutMs = bench::Best(3, [&] {
    sheets = LayoutPages(paper, PrintSettings{}, 6, FooterHeight(kDpi), sizes).pages.size();
  });
  std::printf("(b) 1000 pictures laid out as E prints on %zu sheets: %.2f ms (goal < 1000)\n", sheets,
              layoutMs);
  return 0;
}
