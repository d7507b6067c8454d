#include "mainwindow/ui/calendar_file_drop.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "album/album_store.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_grid.h"
#include "filetools/registration_commands.h"
#include "filetools/ui/clipboard_files.h"

namespace lumidex {

CalendarFileDrop::CalendarFileDrop(CalendarGrid& grid, const MonthCalendar& month,
                                   AlbumStore& album, EntryRegistration& registration,
                                   std::function<void(const Status&)> registered, QObject* parent)
    : QObject(parent),
      grid_(grid),
      month_(month),
      album_(album),
      registration_(registration),
      registered_(std::move(registered)) {
  grid.setAcceptDrops(true);
  grid.installEventFilter(this);
}

void CalendarFileDrop::DropOn(int column, int row, const std::vector<std::string>& paths) {
  if (paths.empty() || column < 1 || row < 1 || album_.loadedYear().empty()) return;
  const std::string date = DateText(month_.CellDate(row, column));
  if (!date.starts_with(album_.loadedYear())) return;
  DropPlace place;
  place.control = DropControl::kCalendar;
  place.page = date.substr(5, 5);
  place.containerOpen = album_.PageOpen();
  place.pageExists = album_.pageIndex().HasKey("DATA", place.page);
  const DropAction action = RouteDrop(place);
  if (action.kind == DropAction::Kind::kIgnore) return;
  const Result<RegistrationTally> added = DropFiles(album_, registration_, action, paths);
  registered_(added.status());
}

bool CalendarFileDrop::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &grid_) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      if (drag->mimeData()->hasUrls()) drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QPoint cell = grid_.DayCellAt(drop->position().toPoint());
      DropOn(cell.x(), cell.y(), ReadPastedLines(drop->mimeData()).lines);
      drop->acceptProposedAction();
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace lumidex
