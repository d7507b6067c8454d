#include "mainwindow/ui/detail_list_mode.h"

#include <QAbstractButton>
#include <QSignalBlocker>
#include <utility>
#include <vector>

#include "album/album_store.h"
#include "album/album_text.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/calendar_date.h"
#include "imagelist/entry_list.h"
#include "imagelist/image_list.h"
#include "imagelist/ui/detail_list_model.h"
#include "imagelist/ui/detail_list_panel.h"
#include "imagelist/ui/image_list_panel.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"

namespace lumidex {

DetailListMode::DetailListMode(TForm1& window, ImageListPanel& list, AlbumStore& album,
                               CalendarController& calendar, AlbumPrompts& prompts, const ThumbnailCache* cache)
    : QObject(&window), window_(window), list_(list), album_(album), calendar_(calendar) {
  PageSidePanel& side = *window.pageSide();
  panel_ = new DetailListPanel(album, prompts);
  panel_->SetThumbnailCache(cache);
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
  connect(panel_, &DetailListPanel::lineSelected, this, [this](int line) {
    if (FollowsList() && ListIdentity() == shownIdentity_) list_.SelectRow(line);
  });
  connect(panel_, &DetailListPanel::subAlbumOpened, this, [this](int line) {
    if (FollowsList() && ListIdentity() == shownIdentity_ && album_.PageOpen() && !album_.SubAlbumOpen()) {
      list_.OpenRow(line);
    }
  });
  connect(&list, &ImageListPanel::folderWalkStarted, this, [this](const std::string& folder) {
    if (!FollowsList()) return;
    walkedFolder_ = folder;
    panel_->ShowFolder({});
  });
  connect(&list, &ImageListPanel::folderLinesFound, this, [this](const std::vector<std::string>& lines) {
    if (walkedFolder_.empty()) return;
    std::vector<std::string> paths;
    paths.reserve(lines.size());
    for (const auto& line : lines) paths.emplace_back(EntryNameOf(line));
    panel_->AppendFolder(paths);
  });
  connect(&list, &ImageListPanel::contentChanged, this, &DetailListMode::ListContentChanged);
  connect(&calendar, &CalendarController::daySelected, this, [this] {
    if (panel_->isVisible() && !album_.PageOpen()) ShowSelectedDay();
  });
}

bool DetailListMode::FollowsList() const {
  return panel_->isVisible() && window_.pageSide()->detailListFloating();
}

void DetailListMode::Switch(bool on, bool fromList) {
  if (syncing_) return;
  syncing_ = true;
  PageSidePanel& side = *window_.pageSide();
  const PageSidePanel::Toolbar& toolbar = side.toolbar();
  for (QAbstractButton* button : {toolbar.dayDetail, toolbar.fileDetail}) {
    const QSignalBlocker blocker(button);
    button->setChecked(on);
  }
  syncing_ = false;
  walkedFolder_.clear();
  if (!on) {
    side.ShowDetailList(false);
    return;
  }
  side.SetDetailListFloating(fromList);
  side.ShowDetailList(true);
  if (fromList) {
    ShowFromList();
  } else {
    ShowSelectedDay();
  }
}

std::string DetailListMode::ListIdentity() const {
  const ImageList& shown = list_.list();
  if (shown.mode() == ListMode::kFolder) return "folder:" + list_.folder();
  if (album_.PageOpen()) return (album_.SubAlbumOpen() ? "sub:" : "page:") + album_.currentSection();
  return "day";
}

void DetailListMode::ShowFromList() {
  shownIdentity_ = ListIdentity();
  const ImageList& shown = list_.list();
  if (shown.mode() == ListMode::kFolder) {
    // The folder was walked (with progress and "中止") when the list showed
    // it; the rows take its lines and fill only as they are seen.
    std::vector<std::string> paths;
    paths.reserve(shown.entries().lines().size());
    for (const auto& line : shown.entries().lines()) paths.emplace_back(EntryNameOf(line));
    panel_->ShowFolder(paths);
  } else if (album_.SubAlbumOpen()) {
    panel_->ShowSubAlbum(album_.currentSection());
  } else if (album_.PageOpen()) {
    panel_->ShowPage(album_.openPage());
  } else {
    ShowSelectedDay();
  }
}

void DetailListMode::ListContentChanged() {
  if (!FollowsList()) return;
  const std::string identity = ListIdentity();
  const std::string walked = std::exchange(walkedFolder_, std::string());
  if (!walked.empty() && identity == "folder:" + walked) {
    // The walk ended: the files found after its last step join the rows.
    const auto& lines = list_.list().entries().lines();
    std::vector<std::string> rest;
    for (size_t i = panel_->model().rows().size(); i < lines.size(); ++i) rest.emplace_back(EntryNameOf(lines[i]));
    panel_->AppendFolder(rest);
    shownIdentity_ = identity;
    return;
  }
  // The rows stay while they still name the lines they stand for (the
  // panel's own edits, which keep its order); another container or folder,
  // a stopped walk, or the list's own edits show what the list shows now.
  if (!walked.empty() || identity != shownIdentity_) {
    ShowFromList();
    return;
  }
  const bool folder = list_.list().mode() == ListMode::kFolder;
  if (identity != "day" &&
      !DetailRowsMatchLines(panel_->model().rows(), folder ? list_.list().entries().lines() : album_.Lines())) {
    ShowFromList();
  }
}

void DetailListMode::ShowSelectedDay() {
  panel_->ShowPage(std::string(PageKeyOf(calendar_.calendar().state().selectedDay)));
}

}  // namespace lumidex
