#include "mainwindow/ui/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace lumidex {

void AfterFirstPaint::Run(QWidget* widget, std::function<void()> work, int latestMs) {
  auto* follower = new AfterFirstPaint(widget, std::move(work));
  QTimer::singleShot(latestMs, follower, &AfterFirstPaint::Queue);
}

AfterFirstPaint::AfterFirstPaint(QWidget* widget, std::function<void()> work)
    : QObject(widget), work_(std::move(work)) {
  widget->installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
  // The filter sees the paint event before the widget paints: the run is
  // posted, so it follows the paint and the flush that ends it.
  if (event->type() == QEvent::Paint) Queue();
  return QObject::eventFilter(watched, event);
}

void AfterFirstPaint::Queue() {
  if (queued_) return;
  queued_ = true;
  parent()->removeEventFilter(this);
  QMetaObject::invokeMethod(
      this,
      [this] {
        const std::function<void()> work = std::move(work_);
        deleteLater();
        work();
      },
      Qt::QueuedConnection);
}

}  // namespace lumidex
