// The image list panel's building and looks: its parts, its layout and
// controls, the data sources of the list's items and the facts of the page
// list's rows, the settings and the colours.
#include "imagelist/ui/image_list_panel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "album/album_path.h"
#include "album/album_store.h"
#include "imagelist/file_date_text.h"
#include "imagelist/memory_load.h"
#include "imagelist/thumbnail_scheduler.h"
#include "imagelist/ui/image_list_model.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/list_worker_timer.h"
#include "imagelist/ui/memo_panel.h"
#include "imagelist/ui/thumbnail_pipeline.h"
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
// The size sub-album items show their picture at.
constexpr int kSubAlbumPictureSide = 40;

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
  scheduler_ = std::make_unique<ThumbnailScheduler>(*list_, clock);
  timer_ = new ListWorkerTimer(scheduler_->worker(), this);
  scheduler_->worker().SetRangeBudgetMs(kRangeBudgetMs);
  model_ = new ImageListModel(*list_, this);
  delegate_ = new ImageListDelegate(*list_, store_.types(), this);
  delegate_->SetPageRowFacts(MakePageRowFacts(nullptr));
  delegate_->SetImmediateThumbnail([this](const std::string& path) -> std::optional<std::string> {
    ThumbnailRequest request;
    request.path = path;
    request.background = look_.listColour;
    Result<std::string> jpeg = MakeListThumbnail(request, context_, cache_);
    if (!jpeg.ok()) return std::nullopt;
    return std::move(jpeg).value();
  });
  // The visible items' thumbnails are decoded on the delegate's pool while
  // the range pass goes on, so the first paint finds them ready.
  scheduler_->SetRangeItemHandler([this](int index) {
    const ALBDATA* record = list_->entries().record(index);
    if (record != nullptr && record->data && record->isJpeg) {
      delegate_->decodedThumbnails().Prefetch(*record->data);
    }
  });
  // Bytes that do not decode (a damaged cache file) are made afresh once
  // the paint is over, if the item is still the same.
  delegate_->SetUndecodableHandler([this](int row) {
    const std::string name(list_->entries().NameAt(row));
    QTimer::singleShot(0, this, [this, row, name] {
      if (row < list_->size() && list_->entries().NameAt(row) == name) {
        list_->RemakeThumbnail(row);
      }
    });
  });
    list_->SetRedrawHandler([this] { view_->viewport()->update(); });
  list_->SetItemChangedHandler([this](int row) { view_->update(model_->index(row)); });
  BuildLayout();
  ConnectView();
  UpdateLook();
}

ImageListPanel::~ImageListPanel() {
  scheduler_->worker().Stop();
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
    request.boxWidth = kSubAlbumPictureSide;
    request.boxHeight = kSubAlbumPictureSide;
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

PageRowFacts ImageListPanel::MakePageRowFacts(
    std::function<bool(std::string_view page)> freeLayoutPage) {
  return PageRowFacts{
      [this](std::string_view page) -> const GRPDATA* {
        return std::as_const(store_).FindSummary(page);
      },
      [this](std::string_view page) { return store_.IsPageLocked(store_.loadedYear(), page); },
      [this](std::string_view page, std::string_view value) {
        return std::string(FileNameOf(store_.PageCover(page, value).cover));
      },
      std::move(freeLayoutPage)};
}

void ImageListPanel::BuildLayout() {
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
       {static_cast<QWidget*>(datesButton_), static_cast<QWidget*>(sameKindButton_),
        static_cast<QWidget*>(exifBox_)}) {
    buttons->addWidget(widget);
  }
  buttons->addStretch();
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(view_);
  split->addWidget(memo_);
  split->setStretchFactor(0, 5);
  split->setStretchFactor(1, 1);
  split->handle(1)->setObjectName(QStringLiteral("Splitter1"));  // painted in the scheme colour
  split->handle(1)->setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
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
  connect(memo_, &MemoPanel::applyRequested, this, &ImageListPanel::SetCommentOfSelection);
  connect(datesButton_, &QToolButton::toggled, this, [this] { UpdateLook(); });
  connect(view_->verticalScrollBar(), &QScrollBar::sliderPressed, this,
          [this] { OnScrollBarDragged(true); });
  connect(view_->verticalScrollBar(), &QScrollBar::sliderReleased, this,
          [this] { OnScrollBarDragged(false); });
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
  delegate_->SetPageRowFacts(MakePageRowFacts(std::move(test)));
}

void ImageListPanel::SetSmallPictures(bool small) {
  if (small == smallPictures_) return;
  smallPictures_ = small;
  UpdateLook();
  scheduler_->worker().ForgetRange();
}

void ImageListPanel::UpdateLook() {
  look_.smallSize = smallPictures_;
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

}  // namespace lumidex
