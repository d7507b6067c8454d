#include "mainwindow/ui/picture_views.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "images/ui/actual_size_widget.h"
#include "images/ui/picture_view_widget.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/status_area.h"
#include "platform/ui/control_hint.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The bar shows in full-screen mode while the pointer is this close to the
// view's top.
constexpr int kBarZone = 20;
constexpr Colour kFullScreenColour = 0x101010;

}  // namespace

PictureViews::PictureViews(TForm1& window, ImageListPanel& list, AlbumStore& album)
    : QObject(&window), window_(window), list_(list), album_(album) {
  PictureViewPanel& panel = *window.pictureView();
  view_ = new PictureViewWidget(shell_);
  panel.PlacePicture(view_);
  view_->SetWindowColour(kWhite);
  view_->SetHighQuality(window.pageSide()->bottomBar().highQuality->isChecked());

  connect(&list_, &ImageListPanel::contentChanged, this, &PictureViews::FollowListContent);
  connect(&list_, &ImageListPanel::entryClicked, this, &PictureViews::ShowListItem);
  connect(window.pageSide()->toolbar().multiColumn, &QAbstractButton::toggled, this,
          &PictureViews::FollowListContent);
  connect(panel.bar().stretch, &QAbstractButton::toggled, view_, &PictureViewWidget::SetStretch);
  // "高画質" of the page side and of the list's menu are one setting.
  QAbstractButton* highQuality = window.pageSide()->bottomBar().highQuality;
  QAction* highQualityMenu = list_.popupMenu()->highQualityAction();
  highQualityMenu->setChecked(highQuality->isChecked());
  connect(highQuality, &QAbstractButton::toggled, view_, &PictureViewWidget::SetHighQuality);
  connect(highQuality, &QAbstractButton::toggled, highQualityMenu, &QAction::setChecked);
  connect(highQualityMenu, &QAction::toggled, highQuality, &QAbstractButton::setChecked);
  connect(panel.bar().showList, &QAbstractButton::clicked, this, [this] { ShowPageList(true); });
  connect(panel.bar().hideList, &QAbstractButton::clicked, this, [this] { ShowPageList(false); });
  connect(view_, &PictureViewWidget::released, this, &PictureViews::OnReleased);
  connect(view_, &PictureViewWidget::pointerMoved, this, &PictureViews::OnPointerMoved);
  connect(&window_, &TForm1::optionsApplied, this, &PictureViews::UpdateCloseMark);
  UpdateCloseMark();
  ConnectActualSize();
}

void PictureViews::ConnectActualSize() {
  PictureViewPanel& panel = *window_.pictureView();
  StatusArea& status = *window_.statusArea();
  actual_ = new ActualSizeWidget(shell_, view_);
  actual_->SetBlurProgress([&status](int done, int total) {
    status.progressBar()->setRange(0, total);
    status.progressBar()->setValue(done);
  });
  view_->installEventFilter(this);
  blurLevel_ = status.blurLevel();
  blurLevel_->installEventFilter(this);
  actualSizeButton_ = window_.pictureView()->bar().actualSize;
  connect(panel.bar().actualSize, &QAbstractButton::toggled, this, &PictureViews::ToggleActualSize);
  // Ticking "ストレッチ" leaves actual size.
  connect(panel.bar().stretch, &QAbstractButton::toggled, this, [this](bool ticked) {
    if (ticked) LeaveActualSize();
  });
  connect(status.resetZoom(), &QAbstractButton::clicked, actual_, &ActualSizeWidget::ResetZoom);
  connect(status.blur(), &QAbstractButton::toggled, this, &PictureViews::ToggleBlur);
  connect(actual_, &ActualSizeWidget::blurSwitchedOff, this, [&status] { status.blur()->setChecked(false); });
  const TForm1::EnlargedSaveMenu& menu = window_.enlargedSaveMenu();
  connect(menu.fullSize, &QAction::triggered, this, [this] { SaveEnlarged(true); });
  connect(menu.viewSize, &QAction::triggered, this, [this] { SaveEnlarged(false); });
}

bool PictureViews::actualSize() const {
  const auto* button = qobject_cast<const QAbstractButton*>(actualSizeButton_.data());
  return button != nullptr && button->isChecked();
}

void PictureViews::LeaveActualSize() { window_.pictureView()->bar().actualSize->setChecked(false); }

void PictureViews::ZoomStep(bool in) {
  if (actualSize()) actual_->ZoomStep(in);
}

void PictureViews::ToggleActualSize(bool down) {
  PictureViewPanel& panel = *window_.pictureView();
  StatusArea& status = *window_.statusArea();
  if (down && panel.bar().stretch->isChecked()) panel.bar().stretch->setChecked(false);
  status.previousTrack()->setText(down ? QStringLiteral("－") : QStringLiteral("◀"));
  status.nextTrack()->setText(down ? QStringLiteral("＋") : QStringLiteral("▶"));
  SetHint(status.previousTrack(), down ? QStringLiteral("縮小") : QStringLiteral("一つ前の曲"));
  SetHint(status.nextTrack(), down ? QStringLiteral("拡大") : QStringLiteral("次の曲"));
  status.blur()->setChecked(false);
  status.resetZoom()->setVisible(down);
  status.blur()->setVisible(down);
  status.blurLevel()->hide();
  window_.enlargedSaveMenu().item->setVisible(down);
  if (QWidget* dayLine = status.findChild<QWidget*>(QStringLiteral("Label3"))) dayLine->setVisible(!down);
  if (down) {
    if (!running_) actual_->Open(view_->currentPicture());
  } else {
    actual_->Close();
  }
  emit actualSizeChanged(down);
}

void PictureViews::ToggleBlur(bool on) {
  window_.statusArea()->blurLevel()->setVisible(on);
  ShowBlurLevel();
  if (on != actual_->blurOn()) actual_->SetBlur(on);
}

void PictureViews::ShowBlurLevel() {
  window_.statusArea()->blurLevel()->setText(QStringLiteral("Level : ") + QString::number(actual_->blurLevel()));
}

// Only kept pointers are used here: events still arrive while the window's
// regions are being taken down.
bool PictureViews::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::Resize && actualSize()) {
    actual_->Relayout();
  } else if (watched == blurLevel_.data() && event->type() == QEvent::MouseButtonPress) {
    // Left lowers the level, right raises it.
    const auto* press = static_cast<QMouseEvent*>(event);
    actual_->ChangeBlurLevel(press->button() == Qt::RightButton);
    window_.statusArea()->blurLevel()->show();
    ShowBlurLevel();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

Status PictureViews::SaveEnlargedTo(bool fullSize, const QString& path, EnlargedFormat format) {
  Result<Bitmap> picture = actual_->EnlargedPicture(fullSize);
  if (!picture.ok()) return picture.status();
  return SaveEnlargedPicture(picture.value(), ToStdString(path), format);
}

void PictureViews::SaveEnlarged(bool fullSize) {
  if (!actualSize() || !actual_->hasCopy()) return;
  QFileDialog dialog(&window_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const QString bmp = QStringLiteral("ビットマップ (*.bmp)");
  dialog.setNameFilters({bmp, QStringLiteral("JPEG (*.jpg)")});
  dialog.setDefaultSuffix(QStringLiteral("bmp"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const EnlargedFormat format = dialog.selectedNameFilter() == bmp ? EnlargedFormat::kBmp : EnlargedFormat::kJpeg;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Status saved = SaveEnlargedTo(fullSize, dialog.selectedFiles().first(), format);
  QApplication::restoreOverrideCursor();
  if (!saved.ok()) QMessageBox::warning(&window_, window_.windowTitle(), ToQString(saved.message()));
}

bool PictureViews::pageListShown() const { return !window_.pageSide()->isHidden(); }

void PictureViews::FollowListContent() {
  PictureViewPanel& panel = *window_.pictureView();
  const ListMode mode = list_.list().mode();
  const bool shown = mode != ListMode::kPageList && !window_.pageSideWide();
  clickedRow_ = 0;
  if (shown) {
    window_.calendarGrid()->hide();
    panel.show();
    view_->SetBackHintShown(true);
    emit positionChosen(0);
    return;
  }
  if (panel.isHidden()) return;
  // Leaving the view: it forgets its picture and the last frame of a show.
  view_->Clear();
  panel.hide();
  if (!window_.pageSideWide()) window_.calendarGrid()->show();
}

void PictureViews::ShowListItem(const QString& path, int row) {
  if (window_.pictureView()->isHidden()) return;
  if (running_) return;  // the show decides what is drawn
  clickedRow_ = row;
  emit positionChosen(row);
  if (path.isEmpty()) return;  // a sub-album
  view_->ShowPicture(ToStdString(path));
  if (actualSize()) actual_->Open(ToStdString(path));
}

void PictureViews::OnReleased(Qt::MouseButton button) {
  if (actualSize()) return;  // the actual-size view handles its own pointer
  // A click on the picture puts the settings away. (Hiding them at every
  // move over the picture would hide them on the way to them: they lie
  // beside the picture, below their button.)
  PictureViewPanel& panel = *window_.pictureView();
  panel.bar().settings->setChecked(false);
  if (!(window_.settings().vClose || button == Qt::RightButton)) return;
  if (fullScreen_ || running_ || !pageListShown()) return;
  list_.GoBack();
}

void PictureViews::OnPointerMoved(const QPoint& at) {
  if (fullScreen_) window_.pictureView()->ShowFloatingBar(at.y() < kBarZone);
}

void PictureViews::ShowPageList(bool shown) {
  PictureViewPanel& panel = *window_.pictureView();
  window_.pageSide()->setVisible(shown);
  panel.bar().showList->setChecked(shown);
  panel.bar().hideList->setChecked(!shown);
  panel.bar().follow->setVisible(shown);
  UpdateCloseMark();
}

void PictureViews::SetSlideShowRunning(bool running) {
  running_ = running;
  UpdateCloseMark();
}

void PictureViews::SetFullScreen(bool on) {
  fullScreen_ = on;
  view_->SetFullScreen(on);
  view_->SetWindowColour(on ? kFullScreenColour : kWhite);
  window_.pictureView()->SetBarFloating(on);
  UpdateCloseMark();
}

void PictureViews::UpdateCloseMark() {
  view_->SetCloseMarkShown(!fullScreen_ && window_.settings().vClose && !running_ && pageListShown());
}

}  // namespace lumidex
