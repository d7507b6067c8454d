#include "mainwindow/ui/slide_show_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>

#include "album/album_store.h"
#include "album/sub_album_names.h"
#include "foundation/calendar_date.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "images/ui/picture_view_widget.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"
#include "slideshow/day_list.h"
#include "slideshow/playlist.h"
#include "slideshow/slide_interval.h"
#include "slideshow/slide_sequencer.h"
#include "slideshow/ui/day_list_dialog.h"

namespace lumidex {
namespace {

constexpr int kTitleInterval = 1200;

TransitionEffect EffectOf(const QComboBox& box) {
  return TransitionEffectNamed(ToStdString(box.currentText())).value_or(TransitionEffect::kNormal);
}

// The keys of entry lines ("key=comment").
std::vector<std::string> KeysOf(const std::vector<std::string>& lines) {
  std::vector<std::string> keys;
  keys.reserve(lines.size());
  for (const std::string& line : lines) keys.push_back(line.substr(0, line.find('=')));
  return keys;
}

}  // namespace

SlideShowView::SlideShowView(TForm1& window, ImageListPanel& list, AlbumStore& album, PictureViews& views)
    : QObject(&window),
      window_(window),
      list_(list),
      album_(album),
      views_(views),
      slideAlbum_(
          album, [this] { OnContainerChanged(); },
          [](const Status& status) { TForm1::ReportError(status); }),
      music_(player_),
      inhibitor_(QStringLiteral("Lumidex Album")) {
  window_.timer1()->setSingleShot(true);
  connect(window_.timer1(), &QTimer::timeout, this, &SlideShowView::Step);
  connect(&views_.view(), &PictureViewWidget::slideShown, this, &SlideShowView::AfterSlideShown);
  titleTimer_.setInterval(kTitleInterval);
  connect(&titleTimer_, &QTimer::timeout, this, &SlideShowView::ShowMusicTitle);
  ConnectBar();
  ConnectMusic();
  // The show ends before the window's exit saves the album.
  window_.installEventFilter(this);
  ApplyRunningState();
}

// Goes with the window, after its regions: Timer1 and the widgets are not
// touched here (their connections to this object end with it).
SlideShowView::~SlideShowView() = default;

void SlideShowView::ConnectBar() {
  const PictureViewPanel::Bar& bar = window_.pictureView()->bar();
  connect(bar.start, &QAbstractButton::clicked, this, [this] { running_ ? Stop() : Start(); });
  connect(bar.interval, &QSlider::valueChanged, this, &SlideShowView::ApplyInterval);
  interval_ = bar.interval;
  bar.interval->installEventFilter(this);
  ApplyInterval(bar.interval->value());
  connect(bar.slideType, &QComboBox::currentIndexChanged, this, &SlideShowView::OnSlideTypeChanged);
  connect(bar.dayList, &QAbstractButton::clicked, this, &SlideShowView::EditDayList);
  connect(bar.settings, &QAbstractButton::toggled, this, &SlideShowView::ToggleSettingsPanel);
  connect(window_.pictureView()->slideSettings().pagePictures, &QAbstractButton::toggled, this,
          &SlideShowView::KeepPagePicturesMeaningful);
  connect(bar.fullScreen, &QAbstractButton::toggled, this, &SlideShowView::SwitchFullScreen);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window_);
  connect(escape, &QShortcut::activated, this, [bar] {
    if (bar.fullScreen->isChecked()) bar.fullScreen->setChecked(false);
  });
}

void SlideShowView::ConnectMusic() {
  const PictureViewPanel::Bar& bar = window_.pictureView()->bar();
  connect(bar.music, &QAbstractButton::toggled, this, [this](bool on) {
    music_.SetMusicOn(on);
    ApplyMusicButton();
  });
  const PictureViewPanel::MusicStrip& strip = window_.pictureView()->musicStrip();
  StatusArea* status = window_.statusArea();
  for (QAbstractButton* previous : {strip.previous, status->previousTrack()}) {
    connect(previous, &QAbstractButton::clicked, this, [this] { StepTrack(false); });
  }
  for (QAbstractButton* next : {strip.next, status->nextTrack()}) {
    connect(next, &QAbstractButton::clicked, this, [this] { StepTrack(true); });
  }
  connect(&views_, &PictureViews::actualSizeChanged, this, &SlideShowView::ApplyMusicButton);
  // A turn away from the user steps back, towards the user on.
  connect(&views_.view(), &PictureViewWidget::wheelTurned, this, [this](int delta) {
    if (running_ && delta != 0) StepTrack(delta < 0);
  });
}

void SlideShowView::Start() {
  PictureViewPanel& panel = *window_.pictureView();
  if (running_ || panel.isHidden()) return;
  const bool folder = list_.list().mode() == ListMode::kFolder;
  SlideShowOptions options;
  options.type = folder ? SlideType::kDay
                        : ParseSlideType(ToStdString(panel.bar().slideType->currentText())).value_or(SlideType::kDay);
  options.dayList = dayList_;
  options.showPagePictures = panel.slideSettings().pagePictures->isChecked();
  options.subAlbums = TickedSubAlbums();
  options.today = DateText(LocalToday());
  std::vector<std::string> lines = folder ? list_.list().entries().lines() : album_.Lines();

  views_.LeaveActualSize();
  startPlace_ = slideAlbum_.Here();
  running_ = true;
  sequencer_ = std::make_unique<SlideSequencer>(slideAlbum_, std::move(options));
  sequencer_->Start(album_.loadedYear(), album_.openPage(), std::move(lines),
                    static_cast<size_t>(std::max(0, views_.clickedRow())), album_.openSubAlbumName());
  inhibitor_.Inhibit(QStringLiteral("スライドショー"));
  ChooseMusicOfContainer();
  ApplyRunningState();
  window_.timer1()->start(0);  // the first picture at once
}

void SlideShowView::Stop() {
  if (!running_) return;
  running_ = false;
  window_.timer1()->stop();
  titleTimer_.stop();
  if (sequencer_) sequencer_->Stop();
  // A transition in progress ends with its picture drawn, and the next show
  // starts from the window colour rather than this show's last frame.
  views_.view().EndShow();
  music_.StopMusic();
  window_.statusArea()->SetDayLine(QString());
  window_.pictureView()->musicStrip().title->clear();
  inhibitor_.Release();
  slideAlbum_.ReturnTo(startPlace_);
  sequencer_.reset();
  ApplyRunningState();
}

void SlideShowView::Step() {
  if (!running_ || !sequencer_) return;
  if (music_.AdvanceMusic()) window_.statusArea()->SetDayLine(QString());
  const std::optional<SlideFrame> frame = sequencer_->Next();
  if (!frame) {
    Stop();
    return;
  }
  PictureViewPanel& panel = *window_.pictureView();
  panel.bar().number->setText(QLocale(QLocale::English).toString(static_cast<qlonglong>(frame->position) + 1));
  const bool following = panel.bar().follow->isChecked() && views_.pageListShown();
  if (following && static_cast<int>(frame->position) < list_.list().size()) {
    list_.view()->SelectAndShow(static_cast<int>(frame->position));
    if (list_.memo()->isVisible()) list_.memo()->ShowComment(ToQString(frame->comment));
  }
  SlideHeader header;
  header.slideDay = ToQString(sequencer_->slideDay());
  header.position = static_cast<int>(frame->position);
  header.subAlbumName = ToQString(sequencer_->subAlbumName());
  header.caption = ToQString(frame->comment);
  header.captionShown = !following;
  const PictureViewPanel::MusicStrip& strip = panel.musicStrip();
  header.bottomReserve = strip.panel->isVisible() ? strip.panel->height() : 0;
  views_.view().ShowSlide(frame->path, EffectOf(*panel.bar().effect), header);
}

void SlideShowView::AfterSlideShown() {
  if (running_ && !switchingScreen_) window_.timer1()->start(window_.pictureView()->bar().interval->value());
}

void SlideShowView::ApplyInterval(int milliseconds) {
  window_.pictureView()->bar().intervalText->setText(ToQString(SlideIntervalText(milliseconds)));
  window_.timer1()->setInterval(milliseconds);
}

// The slider is compared with its own pointer: events still reach the filter
// while the window's regions are being taken down.
bool SlideShowView::eventFilter(QObject* watched, QEvent* event) {
  auto* interval = qobject_cast<QSlider*>(watched == interval_.data() ? watched : nullptr);
  if (interval != nullptr && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    interval->setValue(RoundedSlideInterval(interval->value()));
    return true;
  }
  if (interval != nullptr && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // The extra step; the track bar then takes its own step of one.
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
      interval->setValue(SlideIntervalAfterArrowKey(interval->value(), key == Qt::Key_Left ? -1 : 1));
    }
  }
  if (watched == &window_ && event->type() == QEvent::Close) Stop();
  return QObject::eventFilter(watched, event);
}

void SlideShowView::OnSlideTypeChanged() {
  const PictureViewPanel::Bar& bar = window_.pictureView()->bar();
  // A folder has no days: its show is always of the one list.
  if (list_.list().mode() == ListMode::kFolder && bar.slideType->currentIndex() != 0) {
    bar.slideType->setCurrentIndex(0);
    return;
  }
  bar.dayList->setVisible(bar.slideType->currentIndex() != 0);
}

void SlideShowView::EditDayList() {
  const std::optional<SlideType> type =
      ParseSlideType(ToStdString(window_.pictureView()->bar().slideType->currentText()));
  if (!type || *type == SlideType::kDay) return;
  DayListDialog dialog(*type, dayList_, album_.openPage(), LocalToday().year, &window_);
  if (dialog.exec() == QDialog::Accepted) dayList_ = dialog.dayList();
}

void SlideShowView::AddToDayList(const std::string& date) {
  const SlideType type =
      ParseSlideType(ToStdString(window_.pictureView()->bar().slideType->currentText())).value_or(SlideType::kDay);
  if (date.size() == 10) dayList_.push_back(DayListEntryFor(type, date));
}

std::vector<std::string> SlideShowView::TickedSubAlbums() const {
  std::vector<std::string> names;
  const QListWidget* list = window_.pictureView()->slideSettings().subAlbums;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->checkState() == Qt::Checked) names.push_back(ToStdString(list->item(i)->text()));
  }
  return names;
}

void SlideShowView::ToggleSettingsPanel(bool shown) {
  const PictureViewPanel::SlideSettings& settings = window_.pictureView()->slideSettings();
  if (shown && album_.HasYear()) {
    // The names of every year, the ticked ones ticked again.
    const std::vector<std::string> ticked = TickedSubAlbums();
    settings.subAlbums->clear();
    for (const std::string& name : SubAlbumNameChoices(album_)) {
      auto* item = new QListWidgetItem(ToQString(name), settings.subAlbums);
      item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
      const bool on = std::find(ticked.begin(), ticked.end(), name) != ticked.end();
      item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
  }
  settings.panel->setVisible(shown);
}

// Without page pictures and without a ticked sub-album a show would have
// nothing to show: the box is ticked again.
void SlideShowView::KeepPagePicturesMeaningful(bool ticked) {
  if (!ticked && TickedSubAlbums().empty()) {
    window_.pictureView()->slideSettings().pagePictures->setChecked(true);
  }
}

void SlideShowView::SwitchFullScreen(bool on) {
  switchingScreen_ = true;
  const bool stepPending = window_.timer1()->isActive();
  window_.timer1()->stop();
  const PictureViewPanel::Bar& bar = window_.pictureView()->bar();
  const std::initializer_list<QWidget*> chrome = {window_.menuBar(), window_.calendarBar(), window_.statusArea(),
                                                  window_.statusBar(), window_.pageSide()->toolbarPanel()};
  if (on) {
    views_.LeaveActualSize();
    wasMaximised_ = window_.isMaximized();
    normalGeometry_ = window_.geometry();
    for (QWidget* w : chrome) w->hide();
    bar.actualSize->hide();
    views_.SetFullScreen(true);
    // Without a window manager full-screen mode alone would keep the size.
    if (const QScreen* screen = window_.screen()) window_.setGeometry(screen->geometry());
    window_.showFullScreen();
  } else {
    views_.SetFullScreen(false);
    for (QWidget* w : chrome) w->show();
    bar.actualSize->setVisible(!running_);
    window_.showNormal();
    if (wasMaximised_) {
      window_.showMaximized();
    } else {
      window_.setGeometry(normalGeometry_);
    }
  }
  ApplyMusicButton();
  switchingScreen_ = false;
  if (running_ && stepPending) window_.timer1()->start(bar.interval->value());
}

void SlideShowView::ApplyRunningState() {
  const PictureViewPanel::Bar& bar = window_.pictureView()->bar();
  bar.start->setText(running_ ? QStringLiteral("Stop") : QStringLiteral("Start"));
  SetHint(bar.start, running_ ? QStringLiteral("Stop") : QStringLiteral("Start"));
  bar.slideType->setEnabled(!running_);
  bar.actualSize->setVisible(!running_ && !views_.fullScreen());
  const PageSidePanel::Toolbar& toolbar = window_.pageSide()->toolbar();
  toolbar.multiColumn->setVisible(!running_);
  for (QAbstractButton* button : {toolbar.back, toolbar.up, toolbar.down}) button->setEnabled(!running_);
  list_.SetSlideShowRunning(running_);
  views_.SetSlideShowRunning(running_);
  ApplyMusicButton();
}

void SlideShowView::OnContainerChanged() {
  list_.SyncWithStore();
  if (running_) ChooseMusicOfContainer();
}

// The store has the container open by now (a folder is only in the list).
void SlideShowView::ChooseMusicOfContainer() {
  const bool folder = list_.list().mode() == ListMode::kFolder;
  music_.ChoosePlaylist(BuildPlaylist(KeysOf(folder ? list_.list().entries().lines() : album_.Lines())));
}

void SlideShowView::ApplyMusicButton() {
  const bool visible = music_.ApplyMusicButton(running_, views_.actualSize());
  StatusArea* status = window_.statusArea();
  status->previousTrack()->setVisible(visible);
  status->nextTrack()->setVisible(visible);
  window_.pictureView()->musicStrip().panel->setVisible(visible && views_.fullScreen());
  SetHint(window_.pictureView()->bar().music, ToQString(MusicButtonHint(music_.musicOn())));
  if (running_ && music_.musicOn()) {
    titleTimer_.start();
  } else {
    titleTimer_.stop();
  }
}

// While no show runs the track buttons zoom the actual-size view (the
// wheel reaches that view itself).
void SlideShowView::StepTrack(bool next) {
  if (!running_) {
    views_.ZoomStep(next);
    return;
  }
  next ? music_.NextTrack() : music_.PreviousTrack();
  ShowMusicTitle();
}

void SlideShowView::ShowMusicTitle() {
  const QString title = ToQString(music_.MusicTitle());
  window_.statusArea()->SetDayLine(title);
  if (views_.fullScreen()) window_.pictureView()->musicStrip().title->setText(title);
}

}  // namespace lumidex
