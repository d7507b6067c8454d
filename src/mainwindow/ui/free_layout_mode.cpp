#include "mainwindow/ui/free_layout_mode.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalBlocker>

#include "album/album_store.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/calendar_date.h"
#include "freelayout/ui/free_layout_view.h"
#include "imagelist/ui/image_list_panel.h"
#include "mainwindow/colour_scheme.h"
#include "mainwindow/ui/free_layout_catalogue_commands.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

FreeLayoutMode::FreeLayoutMode(TForm1& window, ImageListPanel& list, AlbumStore& album,
                               CalendarController& calendar, const ThumbnailCache* cache)
    : QObject(&window), window_(window), list_(list), album_(album), calendar_(calendar) {
  PageSidePanel& side = *window.pageSide();
  const PageSidePanel::FreeLayout& parts = side.freeLayout();
  view_ = new FreeLayoutView(album, window.environment().folders.albumDir, cache,
                             FreeLayoutView::Widgets{parts.tabs, parts.canvas, parts.counter}, this);
  ApplySettings();
  ApplyScheme();
  view_->SetHighQuality(side.bottomBar().highQuality->isChecked());
  // The catalogue: page tree, searches, page and tab commands, the way switch.
  new FreeLayoutCatalogueCommands(
      window, *view_, album, calendar,
      [this] {
        return album_.PageOpen() ? album_.openPage()
                                 : std::string(PageKeyOf(calendar_.calendar().state().selectedDay));
      },
      this);
  connect(side.toolbar().freeLayout, &QAbstractButton::toggled, this, &FreeLayoutMode::Switch);
  connect(side.bottomBar().highQuality, &QAbstractButton::toggled, view_, &FreeLayoutView::SetHighQuality);
  connect(&window, &TForm1::optionsApplied, this, [this] { ApplySettings(); });
  connect(&window, &TForm1::colourSchemeChanged, this, &FreeLayoutMode::ApplyScheme);
  connect(view_, &FreeLayoutView::headingChanged, side.namePanel(), &QLabel::setText);
  connect(view_, &FreeLayoutView::problem, this,
          [](const QString& message) { TForm1::ReportError(Status::Error(ToStdString(message))); });
  // By date the view follows the day chosen in the calendar or the page list.
  connect(&calendar, &CalendarController::daySelected, this, [this](const QString& dateText) {
    view_->ShowDatePage(std::string(PageKeyOf(ToStdString(dateText))));
  });
  connect(&list, &ImageListPanel::pageClicked, this,
          [this](const QString& page) { view_->ShowDatePage(ToStdString(page)); });
}

FreeLayoutMode::~FreeLayoutMode() = default;

void FreeLayoutMode::Switch(bool on) {
  PageSidePanel& side = *window_.pageSide();
  // The save question comes while the edited tab is still shown; Cancel
  // keeps the view open.
  if (!on && !view_->ConfirmSaveTab()) {
    const QSignalBlocker blocker(side.toolbar().freeLayout);
    side.toolbar().freeLayout->setChecked(true);
    return;
  }
  side.ShowFreeLayout(on);
  if (on) {
    const std::string page = album_.PageOpen()
                                 ? album_.openPage()
                                 : std::string(PageKeyOf(calendar_.calendar().state().selectedDay));
    view_->Enter(page);
  } else {
    view_->Leave();
    side.namePanel()->setText(list_.headingText());
  }
}

void FreeLayoutMode::YearChanged() { view_->YearChanged(); }

void FreeLayoutMode::ApplySettings() { view_->ApplySettings(window_.settings()); }

void FreeLayoutMode::ApplyScheme() { view_->SetPageColour(window_.scheme().light); }

}  // namespace lumidex
