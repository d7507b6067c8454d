// What the image list panel shows (the store's lines, or a folder) and
// the clicks on its items.
#include <QCheckBox>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QToolTip>

#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/long_operation.h"
#include "imagelist/file_date_text.h"
#include "imagelist/item_geometry.h"
#include "imagelist/item_text.h"
#include "imagelist/ui/image_list_delegate.h"
#include "imagelist/ui/image_list_model.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "imagelist/ui/thumbnail_pipeline.h"
#include "images/exif_reader.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

// ---- What the list shows ----

void ImageListPanel::ShowCurrent() {
  PauseWorker();
  pipeline_->ForgetQueued();
  folder_.clear();
  pipeline_->SetNoCacheMode(false);
  if (store_.PageOpen()) {
    ReadAheadFirstScreen(store_.Lines());
    list_->FillFromContainer(store_.Lines());
    shownSection_ = store_.currentSection();
  } else {
    list_->FillPageList(store_.Lines());
    shownSection_.clear();
  }
  Refresh(true);
  pipeline_->DropReadAhead();
}

void ImageListPanel::ReadAheadFirstScreen(const std::vector<std::string>& lines) {
  if (!list_->memoryCache()) return;
  // The container's cells and the viewport that a long list's scroll bar
  // leaves (ListView2::ApplyMode, Refresh): a cell more or less only reads
  // one file too many or leaves one to the range pass.
  const ItemRect item = IconItemCell(look_.pictureSize);
  const QScrollBar* bar = view_->verticalScrollBar();
  const int barWidth = bar->isVisible() ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int count =
      std::min(static_cast<int>(lines.size()),
               ItemsOnFirstScreen(view_->viewport()->width() - barWidth,
                                  view_->viewport()->height(), item.width + 4, item.height + 4));
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    const std::string_view line = lines[i];
    const std::string_view name = line.substr(0, line.find('='));
    if (!name.empty() && !IsSubAlbumEntry(name) && FileTypeLists::IsImageType(ExtensionOf(name))) {
      paths.emplace_back(name);
    }
  }
  for (const std::optional<std::string>& bytes : pipeline_->ReadAhead(paths)) {
    if (bytes) delegate_->decodedThumbnails().Prefetch(*bytes);
  }
}

void ImageListPanel::SyncWithStore() {
  const bool container = store_.PageOpen();
  const bool sameContent =
      folder_.empty() &&
      (container ? list_->mode() == ListMode::kContainer && shownSection_ == store_.currentSection()
                 : list_->mode() == ListMode::kPageList);
  if (!sameContent) {
    ShowCurrent();
    return;
  }
  if (list_->entries().lines() == store_.Lines()) {
    view_->viewport()->update();
    return;
  }
  const QVector<int> selection = view_->SelectedRows();
  list_->entries().Reconcile(store_.Lines());
  Refresh(false);
  QVector<int> kept;
  for (const int row : selection) {
    if (row < list_->size()) kept.push_back(row);
  }
  view_->SelectRows(kept);
}

void ImageListPanel::Refresh(bool fresh) {
  const int scroll = view_->verticalScrollBar()->value();
  model_->Refill();
  view_->ApplyMode(delegate_->ItemSize());
  if (fresh) {
    view_->scrollToTop();
    view_->clearSelection();
    memo_->ShowComment(QString());
  } else {
    view_->verticalScrollBar()->setValue(scroll);
  }
  // The layout is done in one pass when the visible range is asked for, so
  // the worker starts on it without waiting for a paint. The scroll bar's
  // room is kept meanwhile, so that a long list, whose scroll bar then
  // appears, is not laid out a second time for the narrower viewport.
  const Qt::ScrollBarPolicy policy = view_->verticalScrollBarPolicy();
  view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view_->HintVisibleRange();
  view_->setVerticalScrollBarPolicy(policy);
  view_->HintVisibleRange();
  UpdateHeading();
  emit contentChanged();
}

void ImageListPanel::UpdateHeading() {
  QString text;
  if (!folder_.empty()) {
    text = ToQString(folder_);
  } else if (store_.PageOpen()) {
    text = ToQString(store_.ContainerTitle());
  } else if (store_.HasYear()) {
    text = store_.showAllPages()
               ? QStringLiteral("全アルバムの使用ページ")
               : ToQString(store_.loadedYear()) + QStringLiteral("年の使用ページ");
  }
  heading_ = text;
}

bool ImageListPanel::ShowFolder(const std::string& folder, const FolderWalkOptions& options) {
  SilentOperation silent;
  LongOperation& progress = progress_ != nullptr ? *progress_ : silent;
  if (store_.PageOpen()) {
    const Status left = store_.GoBack(true);
    if (!left.ok()) {
      Report(left);
      return false;
    }
  }
  view_->setEnabled(false);
  emit folderWalkStarted(folder);
  Result<std::vector<std::string>> lines =
      CollectFolderLines(folder, options, store_.types(), progress, SteadyWorkerClock(),
                         [this](std::vector<std::string> found) { emit folderLinesFound(found); });
  view_->setEnabled(true);
  if (!lines.ok()) {
    if (!lines.status().isAborted()) Report(lines.status());
    SyncWithStore();
    return false;
  }
  PauseWorker();
  pipeline_->ForgetQueued();
  list_->FillFromFolderLines(std::move(lines).value());
  pipeline_->SetNoCacheMode(true);
  folder_ = folder;
  shownSection_.clear();
  positions_.clear();
  Refresh(true);
  return true;
}

// ---- Clicks ----

bool ImageListPanel::eventFilter(QObject* watched, QEvent* event) {
  // The event type first: the viewport also gets events while the view is
  // torn down, when the view must not be asked for anything.
  if (event->type() == QEvent::ToolTip && watched == view_->viewport()) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex at = view_->indexAt(help->pos());
    const bool fileItem = at.isValid() && list_->mode() != ListMode::kPageList &&
                          !list_->entries().NameAt(at.row()).starts_with("@");
    if (exifBox_->isChecked() && fileItem) {
      const std::string summary = ExifSummary(std::string(list_->entries().NameAt(at.row())), true);
      QToolTip::showText(help->globalPos(), ToQString(summary), view_->viewport());
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void ImageListPanel::OnItemClicked(int row) {
  if (row < 0 || row >= list_->size()) return;
  const EntryList& entries = list_->entries();
  const std::string name(entries.NameAt(row));
  if (list_->mode() == ListMode::kPageList) {
    emit pageClicked(ToQString(name));
    emit statusText(ToQString(name));
    return;
  }
  list_->EnsureItemData(row);
  lastKind_ = KindOfItem(entries, row);
  memo_->ShowComment(ToQString(entries.ValueAt(row)));
  const bool subAlbum = !name.empty() && name.front() == '@';
  emit statusText(ToQString(subAlbum ? std::string(SubAlbumNameOf(name.substr(1))) : name));
  emit entryClicked(subAlbum ? QString() : ToQString(name), row);
}

void ImageListPanel::SelectGroupOf(bool altHeld) {
  if (list_->mode() == ListMode::kPageList) return;
  // Which files are missing: from the records where they exist, else from
  // the disk (making records here would queue every thumbnail at once).
  const EntryList& entries = list_->entries();
  const std::vector<int> rows =
      SelectGroup(entries, lastKind_, altHeld || sameKindButton_->isChecked(), [&entries](int row) {
        const ALBDATA* record = entries.record(row);
        return record != nullptr ? record->exists == 0
                                 : FileDateText(std::string(entries.NameAt(row))).empty();
      });
  view_->SelectRows(QVector<int>(rows.begin(), rows.end()));
}

ListPopupFacts ImageListPanel::MenuFacts() const {
  ListPopupFacts facts;
  facts.mode = list_->mode();
  const QVector<int> rows = view_->SelectedRows();
  facts.selectedCount = static_cast<int>(rows.size());
  facts.subAlbumOpen = store_.SubAlbumOpen();
  facts.slideShowRunning = slideShowRunning_;
  facts.clipboardHasFiles = pasteTest_ && pasteTest_();
  if (rows.isEmpty()) return facts;
  const std::string_view name = list_->entries().NameAt(rows.front());
  const std::string_view value = list_->entries().ValueAt(rows.front());
  if (facts.mode == ListMode::kPageList) {
    facts.firstKind = ListPopupFacts::Kind::kPage;
    facts.pageHasContent = store_.PageCover(name, value).hasContent;
    facts.pageUsedInOtherYears = store_.PageUsedInOtherYears(name, store_.loadedYear());
    facts.coverIsPath = value.find(".alb") == std::string_view::npos;
  } else {
    facts.firstKind =
        name.starts_with("@") ? ListPopupFacts::Kind::kSubAlbum : ListPopupFacts::Kind::kFile;
  }
  return facts;
}

}  // namespace lumidex
