#include "freelayout/ui/free_layout_canvas.h"

#include <QEvent>
#include <QPainter>

#include "freelayout/render/free_layout_tab_renderer.h"
#include "images/ui/bitmap_bridge.h"

namespace lumidex {
namespace {

// The canvas leaves this much of its frame's width free.
constexpr int kFrameMargin = 30;

}  // namespace

FreeLayoutCanvas::FreeLayoutCanvas(QWidget* frame) : QWidget(frame), frame_(*frame) {
  setObjectName(QStringLiteral("FreePanel"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  frame_.installEventFilter(this);
}

void FreeLayoutCanvas::SetRenderer(FreeLayoutTabRenderer* renderer) {
  renderer_ = renderer;
  Redraw();
}

void FreeLayoutCanvas::SetItems(std::vector<FreeLayoutItem> items) {
  items_ = std::move(items);
  Redraw();
}

void FreeLayoutCanvas::Redraw() {
  stale_ = true;
  update();
}

void FreeLayoutCanvas::Render() {
  stale_ = false;
  problems_.clear();
  if (renderer_ == nullptr || width() < 1 || height() < 1) {
    drawing_ = Bitmap();
    return;
  }
  TabDrawing drawn = renderer_->Render(items_, width(), height());
  drawing_ = std::move(drawn.canvas);
  problems_ = std::move(drawn.problems);
}

void FreeLayoutCanvas::paintEvent(QPaintEvent*) {
  if (stale_) Render();
  QPainter p(this);
  if (drawing_.empty()) {
    p.fillRect(rect(), palette().window());
    return;
  }
  p.drawImage(QPoint(0, 0), WrapAsQImage(drawing_));
}

void FreeLayoutCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Redraw();
}

bool FreeLayoutCanvas::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &frame_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) FitToFrame();
  return QWidget::eventFilter(watched, event);
}

void FreeLayoutCanvas::FitToFrame() {
  const int w = std::max(1, frame_.width() - kFrameMargin);
  const int h = std::max(1, w / 2);
  setGeometry((frame_.width() - w) / 2, frame_.height() / 2 - h / 2, w, h);
}

}  // namespace lumidex
