#include "mainwindow/ui/multi_column_mode.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "album/album_store.h"
#include "foundation/file_types.h"
#include "freelayout/ui/free_layout_view.h"
#include "imagelist/preview_card.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/preview_card_widget.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The width of the detail list's first column after a switch.
constexpr int kDetailFirstColumnWidth = 150;

}  // namespace

MultiColumnMode::MultiColumnMode(TForm1& window, ImageListPanel& list, AlbumStore& album)
    : QObject(&window),
      window_(window),
      list_(list),
      album_(album),
      enlarge_(*window.pageSide()->bottomBar().enlarge),
      stretch_(*window.pageSide()->bottomBar().stretch),
      highQuality_(*window.pageSide()->bottomBar().highQuality) {
  // The card lies over the list rather than beside it.
  window.pageSide()->RemovePreviewPlaceholder();
  card_ = new PreviewCardWidget(list_.itemArea(), shell_);
  connect(window.pageSide()->toolbar().multiColumn, &QAbstractButton::toggled, this,
          &MultiColumnMode::Switch);
  connect(&stretch_, &QAbstractButton::toggled, card_, &PreviewCardWidget::SetStretch);
  connect(&highQuality_, &QAbstractButton::toggled, this, [this](bool on) {
    card_->SetHighQuality(on);
    list_.SetThumbnailOptions(on_, on);
  });
  connect(&list_, &ImageListPanel::entryClicked, this, &MultiColumnMode::OnEntryClicked);
  // Another content in the list: the card of the old one goes.
  connect(&list_, &ImageListPanel::contentChanged, card_, &PreviewCardWidget::HideCard);
  connect(card_, &PreviewCardWidget::closed, &list_, &ImageListPanel::FocusList);
  // The free layout's tab buttons follow its button while the mode is on.
  connect(window.pageSide()->toolbar().freeLayout, &QAbstractButton::toggled, this,
          &MultiColumnMode::ShowTabButtons);
  ShowTabButtons();
}

bool MultiColumnMode::ConfirmFreeLayoutSave() const {
  FreeLayoutView* view = window_.findChild<FreeLayoutView*>();
  return view == nullptr || !view->active() || view->ConfirmSaveTab();
}

void MultiColumnMode::ShowModeButtons() {
  PageSidePanel& side = *window_.pageSide();
  const bool detailShown = side.detailList() != nullptr && side.detailList()->isVisible();
  side.toolbar().favourites->setVisible(on_ && !detailShown);
  ShowTabButtons();
}

void MultiColumnMode::ShowTabButtons() {
  PageSidePanel& side = *window_.pageSide();
  QAbstractButton* freeLayout = side.toolbar().freeLayout;
  const bool tabButtons = on_ && freeLayout->isVisibleTo(&window_) && freeLayout->isChecked();
  side.freeLayout().addTab->setVisible(tabButtons);
  side.freeLayout().moveTab->setVisible(tabButtons);
}

void MultiColumnMode::Switch(bool on) {
  if (on == on_) return;
  PageSidePanel& side = *window_.pageSide();
  QAbstractButton* button = side.toolbar().multiColumn;
  if (!ConfirmFreeLayoutSave()) {
    const QSignalBlocker blocker(button);
    button->setChecked(on_);
    return;
  }
  on_ = on;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  list_.SwitchMultiColumn(on, highQuality_.isChecked(), [this, on, &side] {
    if (on) {
      if (window_.settings().freemode) side.toolbar().freeLayout->show();
    } else {
      // The free layout view was asked to save already: it leaves quietly.
      if (side.toolbar().freeLayout->isChecked()) side.toolbar().freeLayout->setChecked(false);
      card_->HideCard();
      if (side.toolbar().favourites->isChecked()) side.toolbar().favourites->setChecked(false);
    }
    window_.SetPageSideWide(on);
    // The new widths are laid out now, so the kept item is scrolled into
    // view in the list's new shape.
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    enlarge_.setVisible(on);
    stretch_.setVisible(on);
    ShowModeButtons();
    if (side.detailList() != nullptr && side.detailList()->isVisible()) {
      if (auto* rows = side.detailList()->findChild<QTreeWidget*>()) {
        rows->header()->resizeSection(0, kDetailFirstColumnWidth);
      }
    }
  });
  window_.calendarGrid()->update();
  QApplication::restoreOverrideCursor();
}

void MultiColumnMode::OnEntryClicked(const QString& path) {
  const std::string file = ToStdString(path);
  const std::string extension = ExtensionOf(file);  // the facts only view it
  PreviewClickFacts facts;
  facts.enlargeChecked = enlarge_.isChecked();
  facts.pictureViewVisible = window_.pictureView()->isVisible();
  facts.selectedCount = list_.selectedCount();
  facts.fileExists = QFileInfo(path).isFile();
  facts.extension = extension;
  if (!ShowsPreviewOnClick(facts)) return;
  card_->SetColours(album_.SubAlbumOpen() ? window_.scheme().light : kWhite, list_.listColour());
  card_->SetStretch(stretch_.isChecked());
  card_->SetHighQuality(highQuality_.isChecked());
  card_->ShowPicture(file);
}

}  // namespace lumidex
