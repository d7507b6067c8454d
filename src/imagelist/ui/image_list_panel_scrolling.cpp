// Scrolling the image list and the thumbnail work that follows what it
// shows, with the layout switches of the page side's modes.
#include <QScrollBar>

#include "imagelist/thumbnail_scheduler.h"
#include "imagelist/ui/image_list_model.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/list_worker_timer.h"

namespace lumidex {

void ImageListPanel::StartWorker() {
  workerStarted_ = true;
  view_->HintVisibleRange();
}

void ImageListPanel::StopWorker() {
  workerStarted_ = false;
  scheduler_->worker().Stop();
}

void ImageListPanel::PauseWorker() { scheduler_->worker().Pause(); }

const ListWorker& ImageListPanel::thumbnailWorker() const { return scheduler_->worker(); }

void ImageListPanel::OnDataHint(int first, int last) {
  const bool canWork = workerStarted_ && list_->mode() != ListMode::kPageList;
  const bool wasPaused = scheduler_->worker().paused();
  scheduler_->OnDataHint(first, last, canWork);
  if (scheduler_->worker().paused()) return;
  // The first hint of new content prepares the visible items at once, so
  // that the first paint already has their thumbnails.
  if (wasPaused) {
    timer_->RunNow();
  } else {
    timer_->Wake();
  }
}

// While the bar is dragged, large thumbnails of many small items are
// decoded at a quarter of their size, and "scrolframeoff" leaves out the
// photo mounts; letting go draws everything in full again.
void ImageListPanel::OnScrollBarDragged(bool dragging) {
  delegate_->SetScrolling(dragging);
  look_.simplifiedScrolling = dragging && settings_.scrolframeoff;
  delegate_->SetLook(look_);
  if (!dragging) view_->viewport()->update();
}

void ImageListPanel::SwitchMultiColumn(bool on, bool highQuality,
                                       const std::function<void()>& reshape) {
  const QVector<int> selected = view_->SelectedRows();
  const int current = view_->currentIndex().isValid() ? view_->currentIndex().row() : -1;
  view_->setUpdatesEnabled(false);
  reshape();
  view_->SetMultiColumn(on);
  SetThumbnailOptions(on, highQuality);
  view_->doItemsLayout();
  view_->SelectRows(selected);
  if (current >= 0) view_->scrollTo(model_->index(current, 0));
  // The visible items are prepared again for the list's new range.
  scheduler_->worker().ForgetRange();
  view_->HintVisibleRange();
  view_->setUpdatesEnabled(true);
  view_->viewport()->update();
}

void ImageListPanel::SetThumbnailOptions(bool multiColumn, bool highQuality) {
  delegate_->SetViewOptions(multiColumn, highQuality);
  view_->viewport()->update();
}

int ImageListPanel::selectedCount() const { return static_cast<int>(view_->SelectedRows().size()); }

QWidget& ImageListPanel::itemArea() const { return *view_; }

void ImageListPanel::FocusList() { view_->setFocus(); }

}  // namespace lumidex
