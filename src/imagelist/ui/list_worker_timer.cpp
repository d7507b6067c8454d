#include "imagelist/ui/list_worker_timer.h"

#include "imagelist/list_worker.h"

namespace lumidex {

ListWorkerTimer::ListWorkerTimer(ListWorker& worker, QObject* parent)
    : QObject(parent), worker_(worker) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &ListWorkerTimer::RunStep);
}

void ListWorkerTimer::Wake() {
  if (!timer_.isActive()) timer_.start(0);
}

void ListWorkerTimer::RunNow() {
  timer_.stop();
  RunStep();
}

void ListWorkerTimer::RunStep() {
  const int delay = worker_.RunDue();
  if (delay >= 0) timer_.start(delay);
}

}  // namespace lumidex
