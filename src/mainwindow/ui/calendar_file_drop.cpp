#include "mainwindow/ui/calendar_file_drop.h"

#include "album/album_store.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_grid.h"

namespace lumidex {

CalendarFileDrop::CalendarFileDrop(CalendarGrid& grid, const MonthCalendar& month,
                                   AlbumStore& album, EntryRegistration& registration,
                                   std::function<void(const Status&)> registered, QObject* parent)
    : ShellFileDrop(grid, grid, album, registration, std::move(registered), parent),
      grid_(grid),
      month_(month) {}

void CalendarFileDrop::DropOn(int column, int row, const std::vector<std::string>& paths) {
  Drop(PlaceOfCell(column, row), paths);
}

DropPlace CalendarFileDrop::PlaceAt(const QPoint& point) const {
  const QPoint cell = grid_.DayCellAt(point);
  return PlaceOfCell(cell.x(), cell.y());
}

// Only days of the shown year name a page: the pages of a neighbouring year
// are not in the shown year's page index.
DropPlace CalendarFileDrop::PlaceOfCell(int column, int row) const {
  DropPlace place;
  place.control = DropControl::kCalendar;
  if (column < 1 || row < 1 || album().loadedYear().empty()) return place;
  const std::string date = DateText(month_.CellDate(row, column));
  if (date.starts_with(album().loadedYear())) place.page = date.substr(5, 5);
  return place;
}

}  // namespace lumidex
