#include "mainwindow/ui/multi_column_mode.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QScrollBar>

#include "album/album_store.h"
#include "foundation/file_types.h"
#include "imagelist/thumbnail_scheduler.h"
#include "imagelist/preview_card.h"
#include "imagelist/ui/image_list_delegate.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/preview_card_widget.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

QAbstractButton* Button(QWidget& window, const char* name) {
  return window.findChild<QAbstractButton*>(QString::fromLatin1(name));
}

bool Checked(const QAbstractButton* button) { return button != nullptr && button->isChecked(); }

}  // namespace

MultiColumnMode::MultiColumnMode(TForm1& window, ImageListPanel& list, AlbumStore& album)
    : QObject(&window),
      window_(window),
      list_(list),
      album_(album),
      enlarge_(Button(window, "CheckBox2")),
      stretch_(Button(window, "CheckBox3")),
      highQuality_(Button(window, "CheckBox4")) {
  // The card lies over the list rather than beside it: it takes the
  // place of the page side's placeholder by name only.
  delete window.findChild<QWidget*>(QStringLiteral("Image3"));
  card_ = new PreviewCardWidget(*list_.view(), shell_);
  if (QAbstractButton* button = Button(window, "SpeedButton12")) {
    connect(button, &QAbstractButton::toggled, this, &MultiColumnMode::Switch);
  }
  if (stretch_ != nullptr) {
    connect(stretch_, &QAbstractButton::toggled, card_, &PreviewCardWidget::SetStretch);
  }
  if (highQuality_ != nullptr) {
    connect(highQuality_, &QAbstractButton::toggled, this, [this](bool on) {
      card_->SetHighQuality(on);
      ApplyViewOptions();
    });
  }
  connect(&list_, &ImageListPanel::entryClicked, this, &MultiColumnMode::OnEntryClicked);
  // Another content in the list: the card of the old one goes.
  connect(&list_, &ImageListPanel::contentChanged, card_, &PreviewCardWidget::HideCard);
  connect(card_, &PreviewCardWidget::closed, list_.view(), [this] { list_.view()->setFocus(); });
  QScrollBar* bar = list_.view()->verticalScrollBar();
  connect(bar, &QScrollBar::sliderPressed, this, [this] { list_.delegate()->SetScrolling(true); });
  connect(bar, &QScrollBar::sliderReleased, this, [this] {
    list_.delegate()->SetScrolling(false);
    list_.view()->viewport()->update();
  });
}

void MultiColumnMode::Switch(bool on) {
  if (on == on_) return;
  on_ = on;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  ListView2& view = *list_.view();
  const QVector<int> selected = view.SelectedRows();
  const int current = view.currentIndex().isValid() ? view.currentIndex().row() : -1;
  view.setUpdatesEnabled(false);
  if (!on) card_->HideCard();
  window_.SetPageSideWide(on);
  // The new widths are laid out now, so the kept item is scrolled into view
  // in the list's new shape.
  QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  for (QAbstractButton* box : {enlarge_, stretch_}) {
    if (box != nullptr) box->setVisible(on);
  }
  view.SetMultiColumn(on);
  ApplyViewOptions();
  view.doItemsLayout();
  view.SelectRows(selected);
  if (current >= 0) view.scrollTo(view.model()->index(current, 0));
  // The visible items are prepared again for the list's new range.
  list_.worker().worker().ForgetRange();
  view.HintVisibleRange();
  if (QWidget* grid = window_.findChild<QWidget*>(QStringLiteral("StringGrid1"))) grid->update();
  view.setUpdatesEnabled(true);
  view.viewport()->update();
  QApplication::restoreOverrideCursor();
}

void MultiColumnMode::ApplyViewOptions() {
  list_.delegate()->SetViewOptions(on_, Checked(highQuality_));
  list_.view()->viewport()->update();
}

void MultiColumnMode::OnEntryClicked(const QString& path) {
  const QWidget* pictureView = window_.findChild<QWidget*>(QStringLiteral("Panel12"));
  const std::string file = ToStdString(path);
  const std::string extension = ExtensionOf(file);
  PreviewClickFacts facts;
  facts.enlargeChecked = Checked(enlarge_);
  facts.pictureViewVisible = pictureView != nullptr && pictureView->isVisible();
  facts.selectedCount = static_cast<int>(list_.view()->SelectedRows().size());
  facts.fileExists = QFileInfo(path).isFile();
  facts.extension = extension;
  if (!ShowsPreviewOnClick(facts)) return;
  card_->SetColours(album_.SubAlbumOpen() ? window_.scheme().light : kWhite,
                    list_.delegate()->look().listColour);
  card_->SetStretch(Checked(stretch_));
  card_->SetHighQuality(Checked(highQuality_));
  card_->ShowPicture(file);
}

}  // namespace lumidex
