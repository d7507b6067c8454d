#include "imagelist/ui/image_list_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>

#include "album/album_path.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/long_operation.h"
#include "imagelist/file_date_text.h"
#include "imagelist/thumbnail_scheduler.h"
#include "imagelist/item_geometry.h"
#include "imagelist/item_text.h"
#include "imagelist/memory_load.h"
#include "imagelist/ui/image_list_model.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/list_worker_timer.h"
#include "imagelist/ui/memo_panel.h"
#include "imagelist/ui/thumbnail_pipeline.h"
#include "images/exif_reader.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// How long one worker step may prepare visible items: a screenful of cached
// thumbnails is ready in a step or two while the window still answers.
constexpr int kRangeBudgetMs = 12;
// How long a reading of the system's memory load is used.
constexpr int64_t kMemoryLoadIntervalMs = 500;

QToolButton* MakeButton(const QString& name, const QString& text, const QString& hint,
                        bool checkable, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setText(text);
  button->setToolTip(hint);
  button->setCheckable(checkable);
  return button;
}

}  // namespace

ImageListPanel::ImageListPanel(AlbumStore& store, PageOperations& operations, ThumbnailCache* cache,
                               ImageContext context, const WorkerClock& clock, QWidget* parent)
    : QWidget(parent),
      store_(store),
      operations_(operations),
      cache_(cache),
      context_(std::move(context)) {
  setObjectName(QStringLiteral("ImageListPanel"));
  pipeline_ = new ThumbnailPipeline(context_, cache_, 0, this);
  list_ = std::make_unique<ImageList>(store_.types(), MakeSources());
  pipeline_->SetList(list_.get());
  worker_ = std::make_unique<ThumbnailScheduler>(*list_, clock);
  timer_ = new ListWorkerTimer(worker_->worker(), this);
  worker_->worker().SetRangeBudgetMs(kRangeBudgetMs);
  model_ = new ImageListModel(*list_, this);
  delegate_ = new ImageListDelegate(*list_, store_.types(), this);
  delegate_->SetPageRowFacts(PageRowFacts{
      [this](std::string_view page) -> const GRPDATA* {
        return std::as_const(store_).FindSummary(page);
      },
      [this](std::string_view page) { return store_.IsPageLocked(store_.loadedYear(), page); },
      [this](std::string_view page, std::string_view value) {
        return std::string(FileNameOf(store_.PageCover(page, value).cover));
      },
      nullptr});
  delegate_->SetImmediateThumbnail([this](const std::string& path) -> std::optional<std::string> {
    ThumbnailRequest request;
    request.path = path;
    request.background = look_.listColour;
    Result<std::string> jpeg = MakeListThumbnail(request, context_, cache_);
    if (!jpeg.ok()) return std::nullopt;
    return std::move(jpeg).value();
  });
  list_->SetRedrawHandler([this] { view_->viewport()->update(); });
  list_->SetItemChangedHandler([this](int row) { view_->update(model_->index(row)); });
  BuildLayout();
  ConnectView();
  UpdateLook();
}

ImageListPanel::~ImageListPanel() {
  worker_->worker().Stop();
  // The view and its helpers read the list while they are hidden and torn
  // down, so they go before the list (a member) does.
  delete view_;
  view_ = nullptr;
  list_->SetRedrawHandler(nullptr);
  list_->SetItemChangedHandler(nullptr);
}

ItemDataSources ImageListPanel::MakeSources() {
  ItemDataSources sources;
  sources.subAlbumEntryNames = [this](const std::string& section) {
    return store_.HasYear() ? store_.subAlbumDocument().KeyNames(section)
                            : std::vector<std::string>();
  };
  sources.fileDateText = [](const std::string& path) { return FileDateText(path); };
  sources.systemIconIndex = [](const std::string&) { return 0; };
  sources.subAlbumThumbnail = [this](const std::string& path) -> std::optional<std::string> {
    ThumbnailRequest request;
    request.path = path;
    request.exactSize = true;
    request.boxWidth = 40;
    request.boxHeight = 40;
    request.background = look_.listColour;
    Result<std::string> jpeg = RenderListThumbnail(request, context_);
    if (!jpeg.ok()) return std::nullopt;
    return std::move(jpeg).value();
  };
  sources.cachedBytes = [this](const std::string& path) { return pipeline_->CachedBytes(path); };
  sources.listThumbnail = [this](const std::string& path) { return pipeline_->Request(path); };
  sources.makerBusy = [this] { return pipeline_->Busy(); };
  // The memory load changes slowly; reading it for every item of a large
  // page would cost more than the item itself.
  sources.memoryLoadPercent = [this] {
    const int64_t now = SteadyWorkerClock().NowMs();
    if (memoryLoadAt_ < 0 || now - memoryLoadAt_ >= kMemoryLoadIntervalMs) {
      memoryLoad_ = SystemMemoryLoadPercent();
      memoryLoadAt_ = now;
    }
    return memoryLoad_;
  };
  sources.memoryCacheIndicator = [this](bool on) { emit memoryCacheIndicator(on); };
  return sources;
}

void ImageListPanel::BuildLayout() {
  heading_ = new QLabel(this);
  heading_->setObjectName(QStringLiteral("ListHeading"));
  backButton_ =
      MakeButton("BackButton", QStringLiteral("戻る"), QStringLiteral("戻る"), false, this);
  applyButton_ = MakeButton("ApplyButton", QStringLiteral("適用"),
                            QStringLiteral("ページやサブアルバムの変更を保存する"), false, this);
  sizeButton_ = MakeButton("SizeButton", QStringLiteral("画像サイズの切換"),
                           QStringLiteral("画像サイズの切換"), true, this);
  datesButton_ = MakeButton("DatesButton", QStringLiteral("更新日を表示"),
                            QStringLiteral("更新日を表示"), true, this);
  sameKindButton_ = MakeButton(
      "SameKindButton", QStringLiteral("同種ファイルの選択"),
      QStringLiteral("現在選択しているファイルと同じ拡張子のファイルを選択"), true, this);
  exifBox_ = new QCheckBox(QStringLiteral("Exif"), this);
  exifBox_->setObjectName(QStringLiteral("ExifCheckBox"));

  view_ = new ListView2(*list_, this);
  view_->setModel(model_);
  view_->setItemDelegate(delegate_);
  memo_ = new MemoPanel(this);
  menu_ = new ListPopupMenu(*this);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(0, 0, 0, 0);
  for (QWidget* widget :
       {static_cast<QWidget*>(backButton_), static_cast<QWidget*>(applyButton_),
        static_cast<QWidget*>(sizeButton_), static_cast<QWidget*>(datesButton_),
        static_cast<QWidget*>(sameKindButton_), static_cast<QWidget*>(exifBox_)}) {
    buttons->addWidget(widget);
  }
  buttons->addStretch();
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(view_);
  split->addWidget(memo_);
  split->setStretchFactor(0, 5);
  split->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(heading_);
  layout->addLayout(buttons);
  layout->addWidget(split, 1);
}

void ImageListPanel::ConnectView() {
  connect(view_, &ListView2::dataHint, this, &ImageListPanel::OnDataHint);
  connect(view_, &ListView2::itemClicked, this, &ImageListPanel::OnItemClicked);
  connect(view_, &ListView2::itemActivated, this, &ImageListPanel::OpenRow);
  connect(view_, &ListView2::emptySpaceDoubleClicked, this, &ImageListPanel::SelectGroupOf);
  connect(view_, &ListView2::backRequested, this, &ImageListPanel::GoBack);
  connect(view_, &ListView2::deleteRequested, this, &ImageListPanel::DeleteSelected);
  connect(view_, &ListView2::reorderRequested, this, &ImageListPanel::MoveSelection);
  connect(view_, &ListView2::contextMenuRequested, this, [this](QPoint at) {
    if (slideShowRunning_) return;
    menu_->Prepare(MenuFacts());
    menu_->popup(at);
  });
  connect(backButton_, &QToolButton::clicked, this, &ImageListPanel::GoBack);
  connect(applyButton_, &QToolButton::clicked, this, &ImageListPanel::ApplyChanges);
  connect(memo_, &MemoPanel::applyRequested, this, &ImageListPanel::SetCommentOfSelection);
  connect(sizeButton_, &QToolButton::toggled, this, [this] {
    UpdateLook();
    worker_->worker().ForgetRange();
  });
  connect(datesButton_, &QToolButton::toggled, this, [this] { UpdateLook(); });
  connect(view_->verticalScrollBar(), &QScrollBar::sliderPressed, this, [this] {
    look_.simplifiedScrolling = settings_.scrolframeoff;
    delegate_->SetLook(look_);
  });
  connect(view_->verticalScrollBar(), &QScrollBar::sliderReleased, this, [this] {
    look_.simplifiedScrolling = false;
    delegate_->SetLook(look_);
    view_->viewport()->update();
  });
  view_->setToolTipDuration(-1);
  view_->viewport()->installEventFilter(this);
  connect(model_, &QAbstractItemModel::modelReset, this,
          [this] { QTimer::singleShot(0, view_, [this] { view_->HintVisibleRange(); }); });
}

void ImageListPanel::ApplySettings(const Settings& settings) {
  settings_ = settings;
  list_->SetMemoryCache(settings.mem);
  if (cache_ != nullptr) cache_->setUseCache(settings.hdd);
  UpdateLook();
}

void ImageListPanel::SetColours(const ListLook& colours) {
  const ListLook keep = look_;
  look_ = colours;
  look_.pictureSize = keep.pictureSize;
  look_.smallSize = keep.smallSize;
  look_.frame = keep.frame;
  look_.showDates = keep.showDates;
  pipeline_->SetBackground(look_.listColour);
  UpdateLook();
}

void ImageListPanel::SetFreeLayoutPageTest(std::function<bool(std::string_view page)> test) {
  PageRowFacts facts{
      [this](std::string_view page) -> const GRPDATA* {
        return std::as_const(store_).FindSummary(page);
      },
      [this](std::string_view page) { return store_.IsPageLocked(store_.loadedYear(), page); },
      [this](std::string_view page, std::string_view value) {
        return std::string(FileNameOf(store_.PageCover(page, value).cover));
      },
      std::move(test)};
  delegate_->SetPageRowFacts(std::move(facts));
}

void ImageListPanel::UpdateLook() {
  look_.smallSize = sizeButton_->isChecked();
  look_.pictureSize = look_.smallSize ? settings_.smlsiz : settings_.bigsiz;
  look_.frame = settings_.frame;
  look_.showDates = datesButton_->isChecked();
  delegate_->SetLook(look_);
  QPalette palette = view_->palette();
  palette.setColor(QPalette::Base, ToQColor(look_.listColour));
  view_->setPalette(palette);
  view_->ApplyMode(delegate_->ItemSize());
  view_->doItemsLayout();
  view_->viewport()->update();
}

void ImageListPanel::StartWorker() {
  workerStarted_ = true;
  view_->HintVisibleRange();
}

void ImageListPanel::StopWorker() {
  workerStarted_ = false;
  worker_->worker().Stop();
}

void ImageListPanel::PauseWorker() { worker_->worker().Pause(); }

void ImageListPanel::OnDataHint(int first, int last) {
  const bool canWork = workerStarted_ && list_->mode() != ListMode::kPageList;
  const bool wasPaused = worker_->worker().paused();
  worker_->OnDataHint(first, last, canWork);
  if (worker_->worker().paused()) return;
  // The first hint of new content prepares the visible items at once, so
  // that the first paint already has their thumbnails.
  if (wasPaused) {
    timer_->RunNow();
  } else {
    timer_->Wake();
  }
}

// ---- What the list shows ----

void ImageListPanel::ShowCurrent() {
  PauseWorker();
  pipeline_->ForgetQueued();
  folder_.clear();
  pipeline_->SetNoCacheMode(false);
  if (store_.PageOpen()) {
    list_->FillFromContainer(store_.Lines());
    shownSection_ = store_.currentSection();
  } else {
    list_->FillPageList(store_.Lines());
    shownSection_.clear();
  }
  Refresh(true);
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
  heading_->setText(text);
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
  Result<std::vector<std::string>> lines =
      CollectFolderLines(folder, options, store_.types(), progress, SteadyWorkerClock());
  view_->setEnabled(true);
  if (!lines.ok()) {
    if (!lines.status().message().empty()) Report(lines.status());
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
  if (!subAlbum) emit entryClicked(ToQString(name));
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

}  // namespace lumidex
