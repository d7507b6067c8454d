#pragma once

#include <functional>

#include "imagelist/image_list.h"
#include "imagelist/list_worker.h"

namespace lumidex {

// Decides which items of the image list get their data (thumbnail, date,
// counts) prepared next; the worker thread `TGrpUpdateThread` of the list
// becomes this scheduler, whose steps run on the main thread. It follows the
// list's visible range: the range is prepared first (EnsureItemData per
// item); in idle rounds MarkShown runs every round until the first range was
// worked on and afterwards only in the first 3 idle rounds after each range,
// and then one background item is prepared. It sleeps 1 ms after a
// background step that prepared an item, else 10 ms.
//
// The window drives it with a single-shot timer (RunDue gives the delay);
// tests drive it with a hand-advanced clock. Main thread only. The list and
// the clock must outlive it; it attaches itself to the list and detaches on
// destruction.
class ThumbnailScheduler final : public ListWorkerClient {
 public:
  static constexpr int kMarkRoundsAfterRange = 3;
  static constexpr int kSleepAfterItemMs = 1;
  static constexpr int kIdleSleepMs = 10;

  ThumbnailScheduler(ImageList& list, const WorkerClock& clock);
  ThumbnailScheduler(const ThumbnailScheduler&) = delete;
  ThumbnailScheduler& operator=(const ThumbnailScheduler&) = delete;
  ~ThumbnailScheduler() override;

  ListWorker& worker() { return worker_; }
  const ListWorker& worker() const { return worker_; }

  // The control's data hint: stores the range and wakes a paused worker.
  // `canWork` is false while the list shows the page list, an options dialog
  // is open or the list panel is hidden; then the hint is ignored.
  void OnDataHint(int first, int last, bool canWork);

  // Called with each item of a visible range once it was prepared, so that
  // the window can start decoding its thumbnail before the range is painted.
  // Background items are not reported.
  void SetRangeItemHandler(std::function<void(int index)> handler) {
    rangeItem_ = std::move(handler);
  }

  // ListWorkerClient
  int VisibleFirst() const override { return list_.visibleFirst(); }
  int VisibleLast() const override { return list_.visibleLast(); }
  void PrepareItem(int index) override;
  int IdleRound(int round, bool rangeWorked) override;

 private:
  ImageList& list_;
  ListWorker worker_;
  std::function<void(int index)> rangeItem_;
};

}  // namespace lumidex
