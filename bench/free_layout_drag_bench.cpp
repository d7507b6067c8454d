// bench-libs: lumidex_freelayout_ui Qt6::Widgets
// Speed of dragging one item over a free layout tab of 30 pictures (camera
// JPEGs of 1600 x 1200) on a canvas 1200 pixels wide: every mouse move is
// handled and painted (only what moved), and its frame time is printed as
// median and worst, beside the reference, a full redraw of the tab with
// every picture kept (goal: worst drag frame under 16 ms).
// Usage: QT_QPA_PLATFORM=offscreen free_layout_drag_bench. Prints figures;
// asserts nothing. The press that starts a drag draws the two layers; its
// time is printed too.
#include <QApplication>
#include <QMouseEvent>
#include <QRect>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_timing.h"
#include "freelayout/free_picture.h"
#include "freelayout/layout_operations.h"
#include "freelayout/render/free_layout_tab_renderer.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "images/jpeg_codec.h"
#include "images/shell_images.h"

namespace {

using namespace lumidex;
using bench::Clock;
using bench::Ms;

constexpr int kPictures = 30;
constexpr int kColumns = 6;
constexpr int kSteps = 120;

std::string CameraJpeg(int seed) {
  Bitmap bitmap = Bitmap::Create(1600, 1200);
  for (int y = 0; y < 1200; ++y) {
    uint8_t* row = bitmap.row(y);
    for (int x = 0; x < 1600; ++x) {
      row[4 * x] = static_cast<uint8_t>(x * 255 / 1600 + seed);
      row[4 * x + 1] = static_cast<uint8_t>(y * 255 / 1200);
      row[4 * x + 2] = static_cast<uint8_t>(((x ^ y) & 0x3F) + 96);
      row[4 * x + 3] = 255;
    }
  }
  return EncodeJpeg(bitmap, 90).value();
}

void Mouse(QWidget* target, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

// Counts the paint events of a widget, so the figures are known to include
// painting.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

struct Figures {
  double median = 0;
  double worst = 0;
};

Figures Summary(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.back()};
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  char pattern[] = "/tmp/lumidex-drag-bench-XXXXXX";
  const std::string dir = mkdtemp(pattern);
  std::vector<FreeLayoutItem> items;
  const int rows = (kPictures + kColumns - 1) / kColumns;
  for (int i = 0; i < kPictures; ++i) {
    const std::string path = dir + "/p" + std::to_string(i) + ".jpg";
    if (!RealFileStore().WriteAtomic(path, CameraJpeg(i)).ok()) return 1;
    FreeLayoutItem item;
    item.x = (i % kColumns) * (kLayoutUnitsWide / kColumns);
    item.y = (i / kColumns) * (kLayoutUnitsHigh / rows);
    item.width = kLayoutUnitsWide / kColumns - 4;
    item.height = kLayoutUnitsHigh / rows - 4;
    item.value = path;
    items.push_back(item);
  }
  const auto reader = MakeFilePictureReader(nullptr, NoShellImages());
  FreeLayoutTabRenderer renderer(*reader);
  QWidget frame;
  frame.resize(1230, 700);
  auto* canvas = new FreeLayoutCanvas(&frame);
  canvas->SetRenderer(&renderer);
  canvas->SetItems(items);
  PaintCounter counter;
  canvas->installEventFilter(&counter);
  frame.show();
  app.processEvents();
  canvas->repaint();  // the first drawing decodes every picture

  std::vector<double> full;
  for (int i = 0; i < 10; ++i) {
    const auto start = Clock::now();
    canvas->Redraw();
    canvas->repaint();
    full.push_back(Ms(Clock::now() - start));
  }

  // Drag the middle picture to the right and down and back.
  const CanvasRect r = ShownRect(canvas->items()[14], canvas->scale());
  const QPoint from(r.left + r.width / 2, r.top + r.height / 2);
  // The press draws the still layer and the dragged item's layer.
  const auto pressStart = Clock::now();
  Mouse(canvas, QEvent::MouseButtonPress, from);
  canvas->repaint();
  const double press = Ms(Clock::now() - pressStart);
  std::vector<double> frames;
  auto shown = [&] {
    const CanvasRect now = ShownRect(canvas->items()[14], canvas->scale());
    return QRect(now.left, now.top, now.width, now.height).adjusted(-1, -1, 1, 1);
  };
  QRect last = shown();
  for (int step = 1; step <= kSteps; ++step) {
    const int offset = step <= kSteps / 2 ? step * 3 : (kSteps - step) * 3;
    const auto start = Clock::now();
    Mouse(canvas, QEvent::MouseMove, from + QPoint(offset, offset / 3));
    // Paints at once what the move marked: the item's old and new place.
    const QRect now = shown();
    canvas->repaint(now | last);
    last = now;
    frames.push_back(Ms(Clock::now() - start));
  }
  Mouse(canvas, QEvent::MouseButtonRelease, from);
  app.processEvents();

  const Figures drag = Summary(frames);
  const Figures redraw = Summary(full);
  std::printf("free layout drag, %d pictures, canvas %d x %d\n", kPictures, canvas->width(), canvas->height());
  std::printf("  drag frame:  median %.2f ms, worst %.2f ms over %d moves (goal: worst under 16 ms)\n",
              drag.median, drag.worst, kSteps);
  std::printf("  full redraw: median %.2f ms, worst %.2f ms (reference)\n", redraw.median, redraw.worst);
  std::printf("  the press that starts the drag: %.2f ms; %d paints\n", press, counter.paints);
  std::error_code error;
  std::filesystem::remove_all(dir, error);
  return 0;
}
