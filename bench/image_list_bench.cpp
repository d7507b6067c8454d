// bench-libs: lumidex_imagelist_ui lumidex_imagelist lumidex_album lumidex_images
// lumidex_platform_ui lumidex_platform lumidex_foundation Qt6::Widgets The image list on a large
// page, on a page of camera pictures and on a folder of them.
//   image_list_bench [ENTRIES [CAMERA_FOLDER [LUMIDEX_CLI [COLD_COUNT]]]]
// Page part (ENTRIES, default 10000; 0 leaves it out): a page whose every
// thumbnail is in the disk cache. Prints the time from opening the page until every visible item
// is drawn with its thumbnail, beside the time to read and decode those
// visible thumbnails alone (goal: within 1.5x); the worst frame while
// scrolling page by page to the end and back (goal: under 16 ms); and the
// memory taken by the records once the background pass made all of them
// (goal: under 150 MB).
// Cold page part (when LUMIDEX_CLI is given): the first COLD_COUNT (default
// 200) pictures of CAMERA_FOLDER registered on a page with "lumidex-cli add",
// the thumbnail cache empty. Prints the time from opening the page until the
// visible items are drawn with their thumbnails, beside making those same
// thumbnails on a thread pool of one thread per core alone (goal: within
// 1.3x); then the worst frame while scrolling as the background pass makes
// the rest (goal: under 16 ms), and the time until all are made.
// Folder part (when CAMERA_FOLDER is given, e.g. made by
// "thumbnail_corpus_bench generate"): folder mode with a cold cache, time
// until every picture has its thumbnail, beside "lumidex-cli thumbnail
// --jobs 1" on the same files.
// Runs without a screen (QT_QPA_PLATFORM=offscreen is set when unset).
#include <sys/resource.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScrollBar>
#include <algorithm>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#define RUNNING_ON_VALGRIND 0
#endif
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <future>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/page_operations.h"
#include "bench_timing.h"
#include "foundation/app_environment.h"
#include "foundation/file_store.h"
#include "foundation/folder_walk.h"
#include "imagelist/ui/decoded_thumbnails.h"
#include "imagelist/ui/image_list_delegate.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/thumbnail_pipeline.h"
#include "imagelist/worker_clock.h"
#include "images/bitmap.h"
#include "images/thread_pool.h"
#include "images/thumbnail_maker.h"
#include "platform/environment.h"
#include "images/jpeg_codec.h"
#include "images/thumbnail_cache.h"

namespace {

using namespace lumidex;
using lumidex::bench::CpuMs;

class SilentPrompts final : public AlbumPrompts {
 public:
  bool Confirm(const std::string&, const std::string&) override { return true; }
  void Inform(const std::string&) override {}
  std::optional<std::string> AskName(const NameRequest&) override { return std::nullopt; }
  void PlayStartSound() override {}
  void OpenWithSystem(const std::string&) override {}
  void ExploreFolder(const std::string&) override {}
};

// CPU time of the calling thread so far, in milliseconds.
double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double Ms(QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// A 170 x 128 thumbnail of one of a few patterns, for entry `i`.
std::string Pattern(int i) {
  Bitmap bitmap = Bitmap::Create(170, 128);
  for (int y = 0; y < 128; ++y) {
    uint8_t* row = bitmap.row(y);
    for (int x = 0; x < 170; ++x) {
      row[4 * x] = static_cast<uint8_t>(x + i);
      row[4 * x + 1] = static_cast<uint8_t>(y * 2 + i / 7);
      row[4 * x + 2] = static_cast<uint8_t>((x ^ y) + i / 3);
      row[4 * x + 3] = 255;
    }
  }
  return EncodeJpeg(bitmap, 90).value();
}

// A distinct thumbnail for entry `i`: one of 64 patterns with the entry's
// number in a comment segment after the start of image, so that no two
// entries have the same bytes while each decodes as a full thumbnail.
std::string Thumbnail(int i) {
  static std::vector<std::string> patterns;
  if (patterns.empty()) {
    for (int k = 0; k < 64; ++k) patterns.push_back(Pattern(k * 157));
  }
  const std::string& pattern = patterns[static_cast<size_t>(i) % patterns.size()];
  const std::string number = std::to_string(i);
  std::string comment = "\xFF\xFE";
  comment.push_back(static_cast<char>(((number.size() + 2) >> 8) & 0xFF));
  comment.push_back(static_cast<char>((number.size() + 2) & 0xFF));
  comment += number;
  return pattern.substr(0, 2) + comment + pattern.substr(2);
}

// Processes events until `done` holds or `limitMs` passed; false on timeout.
// Waits for events instead of polling, as the window's event loop does, so
// that the main thread leaves the cores to the decoding threads.
template <typename F>
bool Await(F done, int limitMs = 600000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (timer.elapsed() > limitMs) return false;
  }
  return true;
}

// Counts the paints of items drawn with their thumbnail, per row.
class DrawnRows {
 public:
  explicit DrawnRows(ImageListPanel& panel) : panel_(panel) {
    panel.delegate()->SetThumbnailDrawnHandler([this](int row) {
      rows_.insert(row);
      if (drawnHandler_) drawnHandler_(row);
    });
  }
  ~DrawnRows() { panel_.delegate()->SetThumbnailDrawnHandler(nullptr); }
  void Clear() { rows_.clear(); }
  // Also called with each row drawn with its thumbnail.
  void SetHandler(std::function<void(int)> handler) { drawnHandler_ = std::move(handler); }
  // Every item visible now has been painted with its thumbnail.
  bool VisibleDrawn() const {
    const auto [first, last] = panel_.view()->VisibleRange();
    if (first < 0) return false;
    for (int row = first; row <= last; ++row) {
      if (rows_.count(row) == 0) return false;
    }
    return true;
  }

 private:
  ImageListPanel& panel_;
  std::set<int> rows_;
  std::function<void(int)> drawnHandler_;
};

// What happened when during an open, marked from any thread, in
// milliseconds since Start. Print gives each kind of mark once, in the
// order of their first times, with how many there were and the last time.
class Timeline : public QObject {
 public:
  void Start() {
    std::lock_guard<std::mutex> lock(mutex_);
    events_.clear();
    start_ = std::chrono::steady_clock::now();
    on_ = true;
  }
  void Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    on_ = false;
  }
  void Mark(std::string what) {
    const auto now = std::chrono::steady_clock::now();
    std::lock_guard<std::mutex> lock(mutex_);
    if (!on_) return;
    events_.push_back(
        {std::chrono::duration<double, std::milli>(now - start_).count(), std::move(what)});
  }
  void Print() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Event> events = events_;
    std::stable_sort(events.begin(), events.end(),
                     [](const Event& a, const Event& b) { return a.ms < b.ms; });
    std::vector<std::string> kinds;
    for (const Event& event : events) {
      if (std::find(kinds.begin(), kinds.end(), event.what) == kinds.end()) {
        kinds.push_back(event.what);
      }
    }
    for (const std::string& kind : kinds) {
      std::vector<double> times;
      for (const Event& event : events) {
        if (event.what == kind) times.push_back(event.ms);
      }
      if (times.size() == 1) {
        std::printf("  %7.2f ms  %s\n", times.front(), kind.c_str());
      } else {
        std::printf("  %7.2f ms  %s, x%zu to %.2f ms\n", times.front(), kind.c_str(), times.size(),
                    times.back());
      }
    }
  }

 protected:
  // Marks the paints of the list's viewport.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) Mark("paint of the list");
    return QObject::eventFilter(watched, event);
  }

 private:
  struct Event {
    double ms;
    std::string what;
  };
  mutable std::mutex mutex_;
  std::chrono::steady_clock::time_point start_;
  bool on_ = false;
  std::vector<Event> events_;
};

// The list panel at a usual window size, shown with its worker running and
// the shown year's page list in it.
std::unique_ptr<ImageListPanel> ShownPanel(AlbumStore& store, PageOperations& operations,
                                           ThumbnailCache& cache, const FileTypeLists& types) {
  ImageContext context;
  context.types = &types;
  auto panel =
      std::make_unique<ImageListPanel>(store, operations, &cache, context, SteadyWorkerClock());
  panel->resize(1024, 768);
  panel->show();
  panel->StartWorker();
  panel->ShowCurrent();
  return panel;
}

int PageBench(const std::string& home, int entries) {
  std::printf("== page of %d entries, thumbnails in the disk cache ==\n", entries);
  auto opened = AppEnvironment::Open(home, "bench");
  if (!opened.ok()) return std::fprintf(stderr, "%s\n", opened.status().message().c_str()), 1;
  auto env = std::move(opened).value();
  ThumbnailCache cache(env->folders.cacheDir, true);
  const std::string pictures = home + "/pics/";
  std::filesystem::create_directories(pictures);
  std::vector<std::string> lines;
  QElapsedTimer prepare;
  prepare.start();
  for (int i = 0; i < entries; ++i) {
    const std::string path = pictures + "IMG_" + std::to_string(10000 + i) + ".jpg";
    std::ofstream(path) << "x";
    std::ofstream(cache.CacheFileName(path), std::ios::binary) << Thumbnail(i);
    lines.push_back(path + "=");
  }
  std::printf("prepared the album in %.0f ms\n", Ms(prepare));

  AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
  SilentPrompts prompts;
  PageOperations operations(store, prompts);
  if (!store.SwitchYear("2014/03/15").ok() || !operations.CreatePage("03/15").ok() ||
      !store.SaveSection("03/15", lines, false).ok()) {
    return 1;
  }
  store.RebuildSummaries();
  // Made before the panel, so that it outlives the pool threads that mark it.
  Timeline timeline;
  auto shown = ShownPanel(store, operations, cache, env->types);
  ImageListPanel& panel = *shown;
  QApplication::processEvents();
  const long rssBefore = ResidentKb();
  // The window has decoded pictures before a page is opened (calendar covers,
  // the page list's pictures), so the image reader is loaded already.
  {
    const std::string jpeg = Thumbnail(0);
    QImage warm;
    warm.loadFromData(reinterpret_cast<const uchar*>(jpeg.data()), static_cast<int>(jpeg.size()));
  }

  // The timeline of the open: the list filled, the visible range known, each
  // thumbnail decoded (on the pool or the main thread), the paints, each
  // item drawn with its thumbnail.
  const QMetaObject::Connection filled =
      QObject::connect(panel.view()->model(), &QAbstractItemModel::modelReset, &timeline,
                       [&timeline] { timeline.Mark("the list filled (model reset)"); });
  const QMetaObject::Connection hinted = QObject::connect(
      panel.view(), &ListView2::dataHint, &timeline, [&timeline](int first, int last) {
        timeline.Mark("visible range known: " + std::to_string(first) + "-" + std::to_string(last));
      });
  panel.view()->viewport()->installEventFilter(&timeline);
  panel.delegate()->decodedThumbnails().SetDecodeHandler([&timeline](bool onPool, bool done) {
    if (!done) {
      timeline.Mark(onPool ? "decode begun on the pool" : "decode begun on the main thread");
    } else {
      timeline.Mark(onPool ? "decoded on the pool" : "decoded on the main thread");
    }
  });

  // The clock stops when the visible items have been painted with their
  // thumbnails, as the delegate reports its paints.
  // Under callgrind (--collect-atstart=no) only the open and the reference
  // are counted.
  CALLGRIND_TOGGLE_COLLECT;
  const double openCpuBefore = ThreadCpuMs();
  QElapsedTimer open;
  open.start();
  DrawnRows drawn(panel);
  drawn.SetHandler([&timeline](int) { timeline.Mark("an item drawn with its thumbnail"); });
  timeline.Start();
  panel.OpenRow(0);
  timeline.Mark("the open call returned");
  const double openCallMs = Ms(open);
  if (!Await([&] { return drawn.VisibleDrawn(); })) return std::puts("visible items never drawn"), 1;
  const double openMs = Ms(open);
  CALLGRIND_TOGGLE_COLLECT;
  const double openCpuMs = ThreadCpuMs() - openCpuBefore;
  timeline.Mark("every visible item drawn with its thumbnail");
  timeline.Stop();
  panel.view()->viewport()->removeEventFilter(&timeline);
  QObject::disconnect(filled);
  QObject::disconnect(hinted);
  drawn.SetHandler(nullptr);
  panel.delegate()->decodedThumbnails().SetDecodeHandler(nullptr);
  const auto [first, last] = panel.view()->VisibleRange();

  // The reference: read and decode the same visible thumbnails, nothing
  // else, keeping the pictures as a screen that shows them must.
  CALLGRIND_TOGGLE_COLLECT;
  const double aloneCpuBefore = ThreadCpuMs();
  QElapsedTimer alone;
  alone.start();
  std::vector<QImage> decoded;
  for (int row = first; row <= last; ++row) {
    const std::string path(panel.list().entries().NameAt(row));
    Result<std::string> bytes = RealFileStore().ReadAll(cache.CacheFileName(path));
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.value().data()),
                       static_cast<int>(bytes.value().size()));
    decoded.push_back(std::move(image));
  }
  const double aloneMs = Ms(alone);
  const double aloneCpuMs = ThreadCpuMs() - aloneCpuBefore;
  CALLGRIND_TOGGLE_COLLECT;
  // The same without keeping the pictures: each decode reuses the memory the
  // one before gave back, which new pictures on a screen cannot.
  QElapsedTimer reusing;
  reusing.start();
  for (int row = first; row <= last; ++row) {
    const std::string path(panel.list().entries().NameAt(row));
    Result<std::string> bytes = RealFileStore().ReadAll(cache.CacheFileName(path));
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.value().data()),
                       static_cast<int>(bytes.value().size()));
  }
  const double reusingMs = Ms(reusing);
  std::printf(
      "open to visible items drawn (%d items): %8.1f ms (opening the page itself %.1f ms), "
      "cpu %.1f ms\n",
      last - first + 1, openMs, openCallMs, openCpuMs);
  std::printf(
      "read and decode them alone:           %8.1f ms, cpu %.1f ms   ratio %.2f, "
      "cpu ratio %.2f (goal <= 1.5)\n",
      aloneMs, aloneCpuMs, openMs / std::max(aloneMs, 0.001),
      openCpuMs / std::max(aloneCpuMs, 0.001));
  std::printf("  (decoding them one by one into reused memory: %.1f ms, ratio %.2f)\n", reusingMs,
              openMs / std::max(reusingMs, 0.001));
  std::printf("timeline of the open:\n");
  timeline.Print();

  // Under valgrind the profile is of the open; the rest would take hours.
  if (RUNNING_ON_VALGRIND) return 0;

  // Scrolling page by page to the end and back; each step repaints at once.
  QScrollBar* bar = panel.view()->verticalScrollBar();
  double worst = 0;
  std::vector<double> frames;
  int steps = 0;
  auto step = [&](int value) {
    QElapsedTimer frame;
    frame.start();
    bar->setValue(value);
    panel.view()->viewport()->repaint();
    QApplication::processEvents();
    frames.push_back(Ms(frame));
    worst = std::max(worst, frames.back());
    ++steps;
  };
  for (int value = 0; value < bar->maximum(); value += bar->pageStep()) step(value);
  step(bar->maximum());
  for (int value = bar->maximum(); value > 0; value -= bar->pageStep()) step(value);
  step(0);
  std::sort(frames.begin(), frames.end());
  std::printf("scrolling, %d steps: worst frame %.1f ms (goal < 16 ms), median %.1f ms\n", steps,
              worst, frames[frames.size() / 2]);

  QElapsedTimer all;
  all.start();
  if (!Await([&] {
        return panel.list().prefetchNext() >= panel.list().size() &&
               panel.pipeline()->backlog() == 0;
      })) {
    return std::puts("background pass never ended"), 1;
  }
  const long rssAfter = ResidentKb();
  std::printf("background pass over all records: %.0f ms\n", Ms(all));
  std::printf("memory of %d records: %.1f MB (goal < 150 MB)\n", entries,
              static_cast<double>(rssAfter - rssBefore) / 1024.0);
  return 0;
}

// The first `count` camera pictures of `folder`, by name.
std::vector<std::string> CameraFiles(const std::string& folder, int count) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_regular_file() && name.size() > 4 && name.substr(name.size() - 4) == ".jpg") {
      files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  if (static_cast<int>(files.size()) > count) files.resize(count);
  return files;
}

int ColdPageBench(const std::string& home, const std::string& folder, const std::string& cli,
                  int count) {
  const std::string album = home + "/cold-home";
  const std::vector<std::string> files = CameraFiles(folder, count);
  std::printf("== page of %zu camera pictures, empty thumbnail cache ==\n", files.size());
  if (files.empty()) return std::puts("no pictures"), 1;
  std::filesystem::create_directories(album);
  std::string command = "LUMIDEX_HOME='" + album + "' " + cli + " add 2014/05/20";
  for (const std::string& file : files) command += " '" + file + "'";
  command += " > /dev/null";
  if (std::system(command.c_str()) != 0) return std::puts("lumidex-cli add failed"), 1;

  auto opened = AppEnvironment::Open(album, platform::LoginName());
  if (!opened.ok()) return std::fprintf(stderr, "%s\n", opened.status().message().c_str()), 1;
  auto env = std::move(opened).value();
  // Registering may have made thumbnails; the page must open cold.
  std::filesystem::remove_all(env->folders.cacheDir);
  std::filesystem::create_directories(env->folders.cacheDir);
  ThumbnailCache cache(env->folders.cacheDir, true);
  AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
  SilentPrompts prompts;
  PageOperations operations(store, prompts);
  if (!store.SwitchYear("2014/05/20").ok()) return 1;
  store.RebuildSummaries();
  auto shown = ShownPanel(store, operations, cache, env->types);
  ImageListPanel& panel = *shown;
  QApplication::processEvents();
  int pageRow = -1;
  for (int row = 0; row < panel.list().size(); ++row) {
    if (panel.list().entries().NameAt(row) == "05/20") pageRow = row;
  }
  if (pageRow < 0) return std::puts("page not registered"), 1;

  // The list: open the page, wait until every visible item has its thumbnail
  // and paint them.
  QElapsedTimer open;
  open.start();
  DrawnRows drawn(panel);
  panel.OpenRow(pageRow);
  if (!Await([&] { return drawn.VisibleDrawn(); })) return std::puts("visible items never drawn"), 1;
  const double openMs = Ms(open);
  const auto [first, last] = panel.view()->VisibleRange();
  const int visible = last - first + 1;

  // Scrolling a line at a time while the background pass makes the rest.
  QScrollBar* bar = panel.view()->verticalScrollBar();
  std::vector<double> frames;
  auto done = [&] {
    return panel.list().prefetchNext() >= panel.list().size() &&
           panel.pipeline()->backlog() == 0;
  };
  QElapsedTimer background;
  background.start();
  int direction = 1;
  while (!done() && background.elapsed() < 600000) {
    QElapsedTimer frame;
    frame.start();
    int value = bar->value() + direction * bar->singleStep();
    if (value >= bar->maximum() || value <= 0) direction = -direction;
    bar->setValue(std::clamp(value, 0, bar->maximum()));
    panel.view()->viewport()->repaint();
    QApplication::processEvents();
    frames.push_back(Ms(frame));
    // About 60 frames a second, as a user's scrolling asks.
    while (frame.elapsed() < 16 && !done()) {
      QApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 16);
    }
  }
  const double backgroundMs = Ms(open);
  std::sort(frames.begin(), frames.end());

  // The reference: the same visible thumbnails made on a pool alone.
  ImageContext context;
  context.types = &env->types;
  ThreadPool pool(0);
  QElapsedTimer alone;
  alone.start();
  std::vector<std::future<Result<std::string>>> made;
  for (int row = first; row <= last; ++row) {
    ThumbnailRequest request;
    request.path = std::string(panel.list().entries().NameAt(row));
    made.push_back(pool.Submit([request, context] { return RenderListThumbnail(request, context); }));
  }
  for (auto& future : made) {
    if (!future.get().ok()) return std::puts("a reference thumbnail failed"), 1;
  }
  const double aloneMs = Ms(alone);

  std::printf("open to visible items drawn (%d items): %8.1f ms\n", visible, openMs);
  std::printf("made on a pool of %zu threads alone:     %8.1f ms   ratio %.2f (goal <= 1.3)\n",
              pool.size(), aloneMs, openMs / std::max(aloneMs, 0.001));
  if (!frames.empty()) {
    std::printf(
        "scrolling during the background pass, %zu frames: worst %.1f ms (goal < 16 ms), "
        "median %.1f ms\n",
        frames.size(), frames.back(), frames[frames.size() / 2]);
  }
  std::printf("all %d thumbnails made after %.0f ms\n", panel.list().size(), backgroundMs);
  return 0;
}

int FolderBench(const std::string& home, const std::string& folder, const std::string& cli) {
  std::printf("== folder of camera pictures, cold cache ==\n");
  auto opened = AppEnvironment::Open(home + "/folder-home", "bench");
  if (!opened.ok()) return 1;
  auto env = std::move(opened).value();
  ThumbnailCache cache(env->folders.cacheDir, true);
  AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
  SilentPrompts prompts;
  PageOperations operations(store, prompts);
  if (!store.SwitchYear("2014/01/01").ok()) return 1;
  auto shown = ShownPanel(store, operations, cache, env->types);
  ImageListPanel& panel = *shown;
  QElapsedTimer timer;
  timer.start();
  const double cpuBefore = CpuMs(RUSAGE_SELF);
  if (!panel.ShowFolder(folder, {})) return std::puts("folder cannot be shown"), 1;
  const int count = panel.list().size();
  auto allDone = [&] {
    for (int row = 0; row < count; ++row) {
      const ALBDATA* record = panel.list().entries().record(row);
      if (record == nullptr || record->thumbnailPending) return false;
    }
    return true;
  };
  if (!Await(allDone)) return std::puts("thumbnails never finished"), 1;
  const double listMs = Ms(timer);
  std::printf("list, all %d thumbnails:             %9.0f ms (cpu %.0f ms)\n", count, listMs,
              CpuMs(RUSAGE_SELF) - cpuBefore);
  if (cli.empty()) return 0;
  std::string command = cli + " thumbnail --jobs 1 --out " + home + "/cli-out";
  for (int row = 0; row < count; ++row)
    command += " '" + std::string(panel.list().entries().NameAt(row)) + "'";
  command += " > /dev/null";
  std::filesystem::create_directories(home + "/cli-out");
  QElapsedTimer single;
  single.start();
  const double childBefore = CpuMs(RUSAGE_CHILDREN);
  if (std::system(command.c_str()) != 0) return std::puts("lumidex-cli thumbnail failed"), 1;
  const double cliMs = Ms(single);
  std::printf("lumidex-cli thumbnail --jobs 1:      %9.0f ms (cpu %.0f ms)   list/cli %.2f\n",
              cliMs, CpuMs(RUSAGE_CHILDREN) - childBefore, listMs / std::max(cliMs, 0.001));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int entries = argc > 1 ? std::atoi(argv[1]) : 10000;
  const std::string folder = argc > 2 ? argv[2] : "";
  const std::string cli = argc > 3 ? argv[3] : "";
  const int coldCount = argc > 4 ? std::atoi(argv[4]) : 200;
  char pattern[] = "/tmp/lumidex-list-bench.XXXXXX";
  const char* home = mkdtemp(pattern);
  if (home == nullptr) return 1;
  int result = entries > 0 ? PageBench(home, entries) : 0;
  if (result == 0 && !folder.empty() && !cli.empty()) {
    result = ColdPageBench(home, folder, cli, coldCount);
  }
  if (result == 0 && !folder.empty()) result = FolderBench(home, folder, cli);
  std::filesystem::remove_all(home);
  return result;
}
