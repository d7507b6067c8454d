// bench-libs: lumidex_mainwindow_ui lumidex_freelayout lumidex_album lumidex_images lumidex_platform Qt6::Widgets
// The window program's start over the million-entry album (make_big_album:
// 50 years ending with this year, about 55 entries a page):
//   window_start_bench [ENTRIES]
// Each run is a fresh process of this program that starts the window
// program's own start sequence (AlbumProgram) and stops at the first paint
// of the month grid ("StringGrid1"), printing the time from the process
// start and its peak memory. Beside it the reference: reading the shown
// year's documents (<yyyy>.ini, <yyyy>S.ini) and converting them with iconv.
// Goals: within 3x; peak memory with the year loaded under 200 MB. The same
// start over the years without entries shows the album's share of the time.
// Best of three; offscreen unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <utility>

#include "app/album_program.h"
#include "bench_timing.h"
#include "big_album.h"
#include "platform/environment.h"

namespace {

using namespace lumidex;

// Ends the process at the first paint of the month grid, printing the time
// since `start` and the peak memory.
class FirstGridPaint : public QObject {
 public:
  explicit FirstGridPaint(std::chrono::steady_clock::time_point start) : start_(start) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->objectName() == QStringLiteral("StringGrid1") && !seen_) {
      seen_ = true;
      // Right after the paint itself has run.
      QTimer::singleShot(0, [this] {
        std::printf("%.3f %.3f\n", bench::Ms(std::chrono::steady_clock::now() - start_), bench::PeakMemoryMb());
        std::fflush(stdout);
        std::_Exit(0);
      });
    }
    return false;
  }

 private:
  const std::chrono::steady_clock::time_point start_;
  bool seen_ = false;
};

int RunWindow(int argc, char** argv, std::chrono::steady_clock::time_point start) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  FirstGridPaint filter(start);
  app.installEventFilter(&filter);
  AlbumProgram program;
  return program.Run(app) == 0 ? 1 : 2;  // the window closed before painting its month
}

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  if (argc > 1 && std::string(argv[1]) == "--window") return RunWindow(argc, argv, start);
  bench::BigAlbumShape shape;
  shape.lastYear = CurrentYear();
  if (argc > 1) shape.entries = std::atol(argv[1]);
  bench::WorkFolder home(1, argv, "window_start_bench");
  const bench::BigAlbum album = bench::WriteBigAlbum(home.path(), platform::LoginName(), shape);
  // The same start over the same years without entries: what the window
  // costs without the album.
  bench::WorkFolder emptyHome(1, argv, "window_start_bench_empty");
  bench::BigAlbumShape emptyShape = shape;
  emptyShape.entries = 0;
  bench::WriteBigAlbum(emptyHome.path(), platform::LoginName(), emptyShape);
  // Best of three fresh starts: {milliseconds to the first grid paint, peak MB}.
  const auto bestStart = [&](const std::string& base) {
    const std::vector<std::string> env = {"LUMIDEX_HOME=" + base, "XDG_CONFIG_HOME=" + base,
                                          "XDG_RUNTIME_DIR=" + base};
    std::pair<double, double> best{1e300, 0};
    for (int run = 0; run < 3; ++run) {
      const bench::ChildRun child = bench::RunChild({argv[0], "--window"}, env, true);
      double ms = 0, mb = 0;
      if (child.exitCode != 0 || std::sscanf(child.output.c_str(), "%lf %lf", &ms, &mb) != 2) {
        std::fprintf(stderr, "the window did not paint its month (exit %d)\n", child.exitCode);
        std::exit(1);
      }
      if (ms < best.first) best = {ms, mb};
    }
    return best;
  };
  const auto [bestMs, peakMb] = bestStart(home.path());
  const auto [emptyMs, emptyMb] = bestStart(emptyHome.path());
  const std::string year = std::to_string(shape.lastYear);
  const double reference = bench::Best(3, [&] {
    bench::ReadAndConvert(album.folders.photoDir + year + ".ini");
    bench::ReadAndConvert(album.folders.photoDir + year + "S.ini");
  });
  std::printf("album: %ld entries in %zu years; the window shows %s\n", album.fileEntries, album.years.size(),
              year.c_str());
  std::printf("start to the first paint of the month grid: %8.1f ms, peak memory %.1f MB (goal under 200 MB)\n",
              bestMs, peakMb);
  std::printf("reading + converting %s.ini and %sS.ini (reference): %8.1f ms\n", year.c_str(), year.c_str(),
              reference);
  std::printf("  ratio %.2f (goal within 3x)\n", bestMs / reference);
  std::printf("the same start without entries: %8.1f ms, peak memory %.1f MB; the album's share %.1f ms (%.2fx)\n",
              emptyMs, emptyMb, bestMs - emptyMs, (bestMs - emptyMs) / reference);
  return 0;
}
