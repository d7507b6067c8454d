#include "mainwindow/ui/entry_navigation.h"

#include "album/album_store.h"
#include "album/album_text.h"
#include "calendar/ui/calendar_controller.h"
#include "imagelist/ui/image_list_panel.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

Status GoToEntry(const EntryPlace& place, AlbumStore& album, CalendarController& calendar, ImageListPanel& list) {
  if (place.date.size() != 10) return Status::Ok();
  const std::string year = place.date.substr(0, 4), page = place.date.substr(5);
  const bool pageShown = album.PageOpen() && album.loadedYear() == year && album.openPage() == page;
  const bool containerShown =
      pageShown && (place.subAlbumSection.empty()
                        ? !album.SubAlbumOpen()
                        : album.SubAlbumOpen() && album.currentSection() == place.subAlbumSection);
  Status status = Status::Ok();
  if (album.PageOpen() && !containerShown) {
    // Another page: back to the page list; a sub-album of this page open
    // while the page itself or another sub-album is wanted: back to the page.
    if (!pageShown) {
      status = album.GoBack(true);
    } else if (album.SubAlbumOpen()) {
      status = album.GoBack(false);
    }
  }
  if (status.ok() && !album.PageOpen()) {
    calendar.ShowMonth(ToQString(place.date), false);
    status = album.OpenPage(page);
  }
  if (status.ok() && !place.subAlbumSection.empty() && !album.SubAlbumOpen()) {
    status = album.OpenSubAlbum(place.subAlbumSection);
  }
  list.SyncWithStore();
  if (!status.ok() || place.entry.empty()) return status;
  const std::vector<std::string>& lines = album.Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (EntryNameOf(lines[i]) == place.entry) {
      list.SelectRow(static_cast<int>(i));
      break;
    }
  }
  return status;
}

}  // namespace lumidex
