#pragma once

#include <QObject>
#include <QTimer>

namespace lumidex {

class ListWorker;

// Runs a ListWorker on the main thread with a single-shot timer: each
// timeout runs the step that is due and arms the timer with the delay the
// worker asks for; a paused or stopped worker leaves the timer idle until
// Wake. The worker must outlive this object.
class ListWorkerTimer : public QObject {
  Q_OBJECT

 public:
  ListWorkerTimer(ListWorker& worker, QObject* parent = nullptr);

  // Arms the timer at once when it is idle (after the worker was resumed).
  void Wake();
  // Runs the step that is due now, without waiting for the event loop, and
  // arms the timer for the next one. A freshly resumed worker thus prepares
  // the visible items before the list is painted for the first time.
  void RunNow();
  bool active() const { return timer_.isActive(); }

 private:
  void RunStep();

  ListWorker& worker_;
  QTimer timer_;
};

}  // namespace lumidex
