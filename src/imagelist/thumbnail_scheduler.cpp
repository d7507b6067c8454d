#include "imagelist/thumbnail_scheduler.h"

namespace lumidex {

ThumbnailScheduler::ThumbnailScheduler(ImageList& list, const WorkerClock& clock)
    : list_(list), worker_(*this, clock) {
  list_.AttachWorker(&worker_);
}

ThumbnailScheduler::~ThumbnailScheduler() { list_.AttachWorker(nullptr); }

void ThumbnailScheduler::OnDataHint(int first, int last, bool canWork) {
  if (!canWork) return;
  list_.SetVisibleRange(first, last);
  if (worker_.paused()) worker_.Resume();
}

void ThumbnailScheduler::PrepareItem(int index) {
  if (list_.EnsureItemData(index) && rangeItem_) rangeItem_(index);
}

int ThumbnailScheduler::IdleRound(int round, bool rangeWorked) {
  if (!rangeWorked || round < kMarkRoundsAfterRange) list_.MarkShown();
  if (worker_.paused()) return kIdleSleepMs;
  return list_.BackgroundStep() ? kSleepAfterItemMs : kIdleSleepMs;
}

}  // namespace lumidex
