#include "imagelist/grp_update_thread.h"

namespace lumidex {

TGrpUpdateThread::TGrpUpdateThread(ImageList& list, const WorkerClock& clock)
    : list_(list), worker_(*this, clock) {
  list_.AttachWorker(&worker_);
}

TGrpUpdateThread::~TGrpUpdateThread() { list_.AttachWorker(nullptr); }

void TGrpUpdateThread::OnDataHint(int first, int last, bool canWork) {
  if (!canWork) return;
  list_.SetVisibleRange(first, last);
  if (worker_.paused()) worker_.Resume();
}

int TGrpUpdateThread::IdleRound(int round, bool rangeWorked) {
  if (!rangeWorked || round < kMarkRoundsAfterRange) list_.MarkShown();
  if (worker_.paused()) return kIdleSleepMs;
  return list_.BackgroundStep() ? kSleepAfterItemMs : kIdleSleepMs;
}

}  // namespace lumidex
