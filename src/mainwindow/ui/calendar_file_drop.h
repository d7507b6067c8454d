#pragma once

#include <functional>
#include <string>
#include <vector>

#include "mainwindow/ui/shell_file_drop.h"

namespace lumidex {

class CalendarGrid;
class MonthCalendar;

// Files dropped from the file manager on the calendar grid: registered on
// the page of the day cell under the point (the page is created when
// missing), or into the open page or sub-album while one is open, wherever
// they land on the grid. With no container open, drops on days of a
// neighbouring year and outside the day cells add nothing. Main thread
// only; every argument must outlive this.
class CalendarFileDrop : public ShellFileDrop {
  Q_OBJECT

 public:
  CalendarFileDrop(CalendarGrid& grid, const MonthCalendar& month, AlbumStore& album,
                   EntryRegistration& registration, std::function<void(const Status&)> registered,
                   QObject* parent = nullptr);

  // Registers `paths` dropped on the day cell (column 1-7, row 1-6; 0 for
  // a spot outside the days).
  void DropOn(int column, int row, const std::vector<std::string>& paths);

 protected:
  DropPlace PlaceAt(const QPoint& point) const override;

 private:
  DropPlace PlaceOfCell(int column, int row) const;

  CalendarGrid& grid_;
  const MonthCalendar& month_;
};

}  // namespace lumidex
