#include "mainwindow/ui/detail_list_mode.h"

#include <QAbstractButton>
#include <QSignalBlocker>

#include "album/album_store.h"
#include "album/album_text.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/calendar_date.h"
#include "imagelist/entry_list.h"
#include "imagelist/image_list.h"
#include "imagelist/ui/detail_list_panel.h"
#include "imagelist/ui/image_list_panel.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

DetailListMode::DetailListMode(TForm1& window, ImageListPanel& list, AlbumStore& album,
                               CalendarController& calendar, AlbumPrompts& prompts)
    : QObject(&window), window_(window), list_(list), album_(album), calendar_(calendar) {
  PageSidePanel& side = *window.pageSide();
  panel_ = new DetailListPanel(album, prompts);
  side.PlaceDetailList(panel_);
  const PageSidePanel::Toolbar& toolbar = side.toolbar();
  connect(toolbar.dayDetail, &QAbstractButton::toggled, this, [this](bool on) { Switch(on, false); });
  connect(toolbar.fileDetail, &QAbstractButton::toggled, this, [this](bool on) { Switch(on, true); });
  connect(panel_, &DetailListPanel::closeRequested, this, [this] { Switch(false, false); });
  // Entries changed: the list, the page's summary (cover, counts) and the
  // calendar cell show it.
  connect(panel_, &DetailListPanel::albumChanged, this, [this] {
    if (panel_->section().size() >= 5) album_.RefreshSummary(panel_->section().substr(0, 5));
    if (!album_.PageOpen()) album_.RefreshPageList();
    list_.SyncWithStore();
    calendar_.PagesChanged();
  });
  connect(panel_, &DetailListPanel::rowSelected, &list, &ImageListPanel::statusText);
  connect(&calendar, &CalendarController::daySelected, this, [this] {
    if (panel_->isVisible() && !album_.PageOpen()) ShowSelectedDay();
  });
}

void DetailListMode::Switch(bool on, bool fromList) {
  if (syncing_) return;
  syncing_ = true;
  const PageSidePanel::Toolbar& toolbar = window_.pageSide()->toolbar();
  for (QAbstractButton* button : {toolbar.dayDetail, toolbar.fileDetail}) {
    const QSignalBlocker blocker(button);
    button->setChecked(on);
  }
  syncing_ = false;
  window_.pageSide()->ShowDetailList(on);
  if (!on) return;
  const ImageList& shown = list_.list();
  if (fromList && shown.mode() == ListMode::kFolder) {
    // The folder was walked (with progress and "中止") when the list showed
    // it; the rows take its lines and fill only as they are seen.
    std::vector<std::string> paths;
    paths.reserve(shown.entries().lines().size());
    for (const auto& line : shown.entries().lines()) paths.emplace_back(EntryNameOf(line));
    panel_->ShowFolder(paths);
  } else if (fromList && album_.SubAlbumOpen()) {
    panel_->ShowSubAlbum(album_.currentSection());
  } else if (fromList && album_.PageOpen()) {
    panel_->ShowPage(album_.openPage());
  } else {
    ShowSelectedDay();
  }
}

void DetailListMode::ShowSelectedDay() {
  panel_->ShowPage(std::string(PageKeyOf(calendar_.calendar().state().selectedDay)));
}

}  // namespace lumidex
