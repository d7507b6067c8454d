// The page and sub-album operations of the image list panel: each pauses the
// worker, runs the operation on the album store and mirrors the result.
#include <QScrollBar>

#include "album/album_store.h"
#include "album/page_operations.h"
#include "imagelist/ui/image_list_model.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "platform/ui/qt_bridge.h"
#include "platform/ui/shell_services.h"

namespace lumidex {

// ---- Operations ----

void ImageListPanel::Report(const Status& status) {
  if (!status.ok()) emit operationFailed(ToQString(status.message()));
}

std::vector<size_t> ImageListPanel::SelectedLines() const {
  return folder_.empty() ? Selection() : std::vector<size_t>();
}

void ImageListPanel::SelectRow(int row) {
  if (row < 0 || row >= list_->size()) return;
  view_->setCurrentIndex(model_->index(row));
  view_->SelectRows({row});
  view_->scrollTo(model_->index(row));
}

std::vector<size_t> ImageListPanel::Selection() const {
  std::vector<size_t> rows;
  for (const int row : view_->SelectedRows()) rows.push_back(static_cast<size_t>(row));
  return rows;
}

void ImageListPanel::OpenRow(int row) {
  if (row < 0 || row >= list_->size()) return;
  if (!folder_.empty()) {
    // Folder mode: the files are not album entries; open them directly.
    platform::OpenWithSystem(ToQString(list_->entries().NameAt(row)));
    return;
  }
  const bool wasOpen = store_.PageOpen();
  const bool wasSubAlbum = store_.SubAlbumOpen();
  const std::string section = store_.currentSection();
  Position before{view_->verticalScrollBar()->value(), view_->SelectedRows()};
  PauseWorker();
  Report(operations_.OpenEntry(static_cast<size_t>(row), PageOperations::OpenHow::kDoubleClick));
  const bool opened = store_.PageOpen() != wasOpen || store_.SubAlbumOpen() != wasSubAlbum ||
                      store_.currentSection() != section;
  if (opened) positions_.push_back(before);
  SyncWithStore();
}

void ImageListPanel::OpenFromMenu(int row) {
  if (row < 0 || row >= list_->size() || !folder_.empty()) return;
  if (list_->mode() == ListMode::kContainer && !list_->entries().NameAt(row).starts_with("@")) {
    Report(operations_.OpenEntry(static_cast<size_t>(row), PageOperations::OpenHow::kMenu));
    return;
  }
  OpenRow(row);
}

void ImageListPanel::SetSlideShowRunning(bool running) {
  slideShowRunning_ = running;
  view_->SetDragAllowed(!running);
}

void ImageListPanel::GoBack() {
  PauseWorker();
  if (!folder_.empty()) {
    folder_.clear();
    ShowCurrent();
    return;
  }
  if (!store_.PageOpen()) {
    SyncWithStore();
    return;
  }
  const Status status = store_.GoBack(false);
  Report(status);
  ShowCurrent();
  if (status.ok() && !positions_.empty()) {
    const Position where = positions_.back();
    positions_.pop_back();
    view_->doItemsLayout();
    view_->SelectRows(where.selection);
    view_->verticalScrollBar()->setValue(where.scroll);
  }
}

void ImageListPanel::ApplyChanges() {
  if (!store_.PageOpen()) return;
  Report(operations_.ApplyChanges());
  SyncWithStore();
}

void ImageListPanel::RevertChanges() {
  if (!store_.PageOpen()) return;
  PauseWorker();
  operations_.RevertChanges();
  SyncWithStore();
}

void ImageListPanel::CreatePage(const std::string& page) {
  Report(operations_.CreatePage(page));
  SyncWithStore();
}

void ImageListPanel::CreateSubAlbum(const std::string& page) {
  std::string target = page;
  if (target.empty()) {
    if (store_.PageOpen()) {
      target = store_.openPage();
    } else {
      const QVector<int> rows = view_->SelectedRows();
      if (rows.isEmpty() || list_->mode() != ListMode::kPageList) return;
      target = std::string(list_->entries().NameAt(rows.front()));
    }
  }
  PauseWorker();
  Report(operations_.CreateSubAlbum(target));
  SyncWithStore();
  // On the open page the new entry is the last line: select and show it.
  std::string prefix = "@";
  prefix += target;
  const int last = list_->size() - 1;
  if (store_.PageOpen() && last >= 0 && list_->entries().NameAt(last).starts_with(prefix) &&
      store_.modified()) {
    view_->SelectAndShow(last);
  }
}

void ImageListPanel::RenameSelected() {
  if (!store_.PageOpen() || !folder_.empty()) return;
  const std::vector<size_t> selection = Selection();
  if (selection.empty()) return;
  PauseWorker();
  Report(operations_.RenameEntries(selection));
  SyncWithStore();
}

void ImageListPanel::DeleteSelected() {
  if (!folder_.empty()) return;
  const std::vector<size_t> selection = Selection();
  if (selection.empty()) return;
  PauseWorker();
  Report(operations_.DeleteEntries(selection));
  view_->clearSelection();
  SyncWithStore();
}

void ImageListPanel::DeleteCalendarPage(const std::string& page) {
  PauseWorker();
  Report(operations_.DeleteCalendarPage(page));
  SyncWithStore();
}

void ImageListPanel::SetCommentOfSelection(const QString& text) {
  if (!store_.PageOpen() || !folder_.empty()) return;
  const std::vector<size_t> selection = Selection();
  if (selection.empty()) return;
  operations_.SetComment(selection, ToStdString(text));
  SyncWithStore();
}

}  // namespace lumidex
