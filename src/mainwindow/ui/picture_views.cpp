#include "mainwindow/ui/picture_views.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "images/ui/picture_view_widget.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
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
  if (!path.isEmpty()) view_->ShowPicture(ToStdString(path));  // "" is a sub-album
}

void PictureViews::OnReleased(Qt::MouseButton button) {
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
