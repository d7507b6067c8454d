#include "imagelist/list_worker.h"

#include <algorithm>

namespace lumidex {

ListWorker::ListWorker(ListWorkerClient& client, const WorkerClock& clock)
    : client_(client), clock_(clock) {}

void ListWorker::Pause() {
  paused_ = true;
  inRange_ = false;
}

void ListWorker::Resume() {
  if (stopped_) return;
  lastFirst_ = -1;
  paused_ = false;
  inRange_ = false;
  dueAt_ = clock_.NowMs();
}

void ListWorker::Stop() {
  stopped_ = true;
  paused_ = true;
  inRange_ = false;
}

void ListWorker::ForgetRange() { lastFirst_ = -1; }

int ListWorker::RunDue() {
  if (paused_ || stopped_) return kIdleForever;
  const int64_t now = clock_.NowMs();
  if (now < dueAt_) return static_cast<int>(dueAt_ - now);
  const int sleep = RunStep();
  if (paused_ || stopped_) return kIdleForever;
  dueAt_ = clock_.NowMs() + sleep;
  return sleep;
}

int ListWorker::RunStep() {
  if (!inRange_) {
    const int first = client_.VisibleFirst();
    if (first == lastFirst_) {
      const int sleep = client_.IdleRound(idleRound_, rangeWorked_);
      ++idleRound_;
      return std::max(sleep, 0);
    }
    lastFirst_ = first;
    rangeLast_ = client_.VisibleLast();
    rangeNext_ = first;
    rangeWorked_ = true;
    inRange_ = true;
  }
  // Items of the range until the step's budget is spent (at least one), so
  // window events run between steps. A range with no valid first index has
  // nothing to prepare.
  const int64_t began = clock_.NowMs();
  while (rangeNext_ >= 0 && rangeNext_ <= rangeLast_ && !paused_ && !stopped_) {
    client_.PrepareItem(rangeNext_++);
    if (clock_.NowMs() - began >= rangeBudgetMs_) break;
  }
  if (rangeNext_ < 0 || rangeNext_ > rangeLast_) {
    inRange_ = false;
    idleRound_ = 0;
  }
  return 0;
}

}  // namespace lumidex
