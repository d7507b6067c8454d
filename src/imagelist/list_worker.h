#pragma once

#include <cstdint>

#include "imagelist/worker_clock.h"

namespace lumidex {

// What a list worker serves: the visible range of one list and the steps the
// worker asks of it. Every call happens on the main thread, inside
// ListWorker::RunDue.
class ListWorkerClient {
 public:
  virtual ~ListWorkerClient() = default;

  // The range the list control last asked for; -1 when it asked for none.
  virtual int VisibleFirst() const = 0;
  virtual int VisibleLast() const = 0;
  // Prepares one item of a visible range (indices outside the list must be
  // harmless).
  virtual void PrepareItem(int index) = 0;
  // One idle round. `round` counts the idle rounds since the last range pass
  // (0 for the first); `rangeWorked` is true once any range pass was made
  // since the worker was created. Returns the sleep before the next step, in
  // milliseconds (>= 0).
  virtual int IdleRound(int round, bool rangeWorked) = 0;
};

// The scheduling loop shared by the list workers, as a state machine that
// runs one main-thread step at a time. Instead of a thread that sleeps, the
// owner calls RunDue whenever the returned delay has passed (a single-shot
// timer in the window, a hand-advanced clock in tests).
//
// The loop: while paused, nothing runs. When the list's VisibleFirst differs
// from the first index of the last range worked on (`lastFirst`), that value
// is remembered, VisibleLast is read once, and every index of the range is
// prepared, one per step with no sleep between them, as long as the worker
// is not paused or stopped (one item per step, or as many as fit in the
// range budget). Otherwise an idle round runs and the worker
// sleeps as the client says. Idle rounds are counted afresh after each range.
//
// Created paused (the program starts its workers only after the window is
// built). Not thread-safe; main thread only. The client and the clock must
// outlive the worker.
class ListWorker {
 public:
  // The result of RunDue when no step will come until Resume.
  static constexpr int kIdleForever = -1;

  ListWorker(ListWorkerClient& client, const WorkerClock& clock);
  ListWorker(const ListWorker&) = delete;
  ListWorker& operator=(const ListWorker&) = delete;

  // Sets the pause flag: no step runs (a range pass under way is abandoned)
  // until Resume. Done before the list's data is replaced or dropped.
  void Pause();
  // Forgets the last range, clears the pause flag and makes the next step
  // due at once, so the visible range is worked on again. No effect once
  // stopped.
  void Resume();
  // Ends the worker for good.
  void Stop();
  // Forgets the last range so that the visible items are prepared again (item
  // size changes, view switches); the pause flag is kept.
  void ForgetRange();
  // How long one step may go on preparing items of a range: further items
  // are prepared in the same step while less than `ms` passed since it
  // began. 0 (the default) prepares one item per step. A window sets a few
  // milliseconds, so that a screenful is ready without waiting for the
  // event loop between items and still never blocks it for long.
  void SetRangeBudgetMs(int ms) { rangeBudgetMs_ = ms; }

  bool paused() const { return paused_; }
  bool stopped() const { return stopped_; }
  int lastFirst() const { return lastFirst_; }

  // Runs the step that is due at the clock's time, if any. Returns the delay
  // in milliseconds until the next step is due (0: at once), or kIdleForever
  // while paused or stopped.
  int RunDue();

 private:
  int RunStep();

  ListWorkerClient& client_;
  const WorkerClock& clock_;
  bool paused_ = true;
  bool stopped_ = false;
  int lastFirst_ = -1;
  bool inRange_ = false;
  int rangeNext_ = 0;
  int rangeLast_ = -1;
  bool rangeWorked_ = false;
  int idleRound_ = 0;
  int64_t dueAt_ = 0;
  int rangeBudgetMs_ = 0;
};

}  // namespace lumidex
