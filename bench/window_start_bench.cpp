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
// start over the years without entries shows the album's share of the time,
// and an empty QMainWindow shown to its first paint in a fresh process what
// Qt and the platform take before any of our code runs.
// The start is timed twice: the first start over the album (no summaries of
// the year documents kept yet, so every year is read) and the usual start
// (the summaries a previous run kept). Best of five each; offscreen unless
// QT_QPA_PLATFORM says otherwise.
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

#include "album/document_summaries.h"
#include "app/album_program.h"
#include "bench_timing.h"
#include "big_album.h"
#include "platform/environment.h"

namespace {

using namespace lumidex;

// Ends the process at the first paint of the widget named `name`, printing
// the time since `start` and the peak memory; `linger` milliseconds later
// (what the window does right after its first paint then runs too).
class FirstPaint : public QObject {
 public:
  FirstPaint(std::chrono::steady_clock::time_point start, QString name, int linger)
      : start_(start), name_(std::move(name)), linger_(linger) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->objectName() == name_ && !seen_) {
      seen_ = true;
      // Right after the paint itself has run.
      QTimer::singleShot(0, [this] {
        std::printf("%.3f %.3f\n", bench::Ms(std::chrono::steady_clock::now() - start_), bench::PeakMemoryMb());
        std::fflush(stdout);
        // Without a linger nothing queued behind the paint runs, so that a
        // profile of this run holds the start alone.
        if (linger_ == 0) std::_Exit(0);
        QTimer::singleShot(linger_, [] { std::_Exit(0); });
      });
    }
    return false;
  }

 private:
  const std::chrono::steady_clock::time_point start_;
  const QString name_;
  const int linger_;
  bool seen_ = false;
};

// The window program's start; `linger` as FirstPaint.
int RunWindow(int argc, char** argv, std::chrono::steady_clock::time_point start, int linger) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  FirstPaint filter(start, QStringLiteral("StringGrid1"), linger);
  app.installEventFilter(&filter);
  AlbumProgram program;
  return program.Run(app) == 0 ? 1 : 2;  // the window closed before painting its month
}

// Qt's and the platform's own share: an empty main window of the window's
// first size, shown, to its first paint.
int RunEmptyWindow(int argc, char** argv, std::chrono::steady_clock::time_point start) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  FirstPaint filter(start, QStringLiteral("EmptyWindow"), 0);
  app.installEventFilter(&filter);
  QMainWindow window;
  window.setObjectName(QStringLiteral("EmptyWindow"));
  window.resize(772, 520);
  window.show();
  return app.exec() == 0 ? 1 : 2;
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
  if (argc > 1 && std::string(argv[1]) == "--window") return RunWindow(argc, argv, start, 0);
  // A start that stays a moment after its first paint, so that what follows
  // it (keeping the year summaries) runs.
  if (argc > 1 && std::string(argv[1]) == "--window-settled") return RunWindow(argc, argv, start, 1000);
  if (argc > 1 && std::string(argv[1]) == "--empty-window") return RunEmptyWindow(argc, argv, start);
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
  // Best of five fresh starts of `mode`: {milliseconds to the first paint,
  // peak MB}. `before` runs before each start.
  const auto bestStart = [&](const std::string& base, const char* mode, const std::function<void()>& before) {
    const std::vector<std::string> env = {"LUMIDEX_HOME=" + base, "XDG_CONFIG_HOME=" + base,
                                          "XDG_RUNTIME_DIR=" + base};
    std::pair<double, double> best{1e300, 0};
    for (int run = 0; run < 5; ++run) {
      if (before) before();
      const bench::ChildRun child = bench::RunChild({argv[0], mode}, env, true);
      double ms = 0, mb = 0;
      if (child.exitCode != 0 || std::sscanf(child.output.c_str(), "%lf %lf", &ms, &mb) != 2) {
        std::fprintf(stderr, "the window did not paint (%s, exit %d)\n", mode, child.exitCode);
        std::exit(1);
      }
      if (ms < best.first) best = {ms, mb};
    }
    return best;
  };
  // The year documents must have settled before their summaries are kept.
  sleep(static_cast<unsigned>(DocumentSummaries::kSettleSeconds) + 1);
  const std::string summaries = album.folders.userDir + "year-summaries.cache";
  const auto forget = [&] { std::filesystem::remove(summaries); };
  const auto [coldMs, coldMb] = bestStart(home.path(), "--window", forget);
  // One start that stays keeps the summaries for the starts after it.
  bench::RunChild({argv[0], "--window-settled"},
                  {"LUMIDEX_HOME=" + home.path(), "XDG_CONFIG_HOME=" + home.path(), "XDG_RUNTIME_DIR=" + home.path()});
  if (!std::filesystem::exists(summaries)) std::fprintf(stderr, "no year summaries were kept\n");
  const auto [bestMs, peakMb] = bestStart(home.path(), "--window", nullptr);
  const auto [emptyMs, emptyMb] = bestStart(emptyHome.path(), "--window", nullptr);
  const auto [qtMs, qtMb] = bestStart(emptyHome.path(), "--empty-window", nullptr);
  const std::string year = std::to_string(shape.lastYear);
  const double reference = bench::Best(5, [&] {
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
  std::printf("the first start (no year summaries kept yet): %8.1f ms, peak memory %.1f MB (%.2fx)\n", coldMs,
              coldMb, coldMs / reference);
  std::printf("the same start without entries: %8.1f ms, peak memory %.1f MB; the album's share %.1f ms (%.2fx)\n",
              emptyMs, emptyMb, bestMs - emptyMs, (bestMs - emptyMs) / reference);
  std::printf("an empty QMainWindow to its first paint (Qt and the platform): %8.1f ms, peak memory %.1f MB; "
              "ours beyond it %.1f ms\n",
              qtMs, qtMb, bestMs - qtMs);
  return 0;
}
