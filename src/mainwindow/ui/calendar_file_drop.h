#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "album/entry_registration.h"

namespace lumidex {

class AlbumStore;
class CalendarGrid;
class MonthCalendar;

// Files dropped from the file manager on a day cell of the calendar grid:
// registered on that day's page of the shown year (the page is created when
// missing), or into the open page or sub-album while one is open. Drops on
// days of a neighbouring year and outside the day cells add nothing.
// `registered` runs after each drop that reached the album, so the views
// show the new entries. Main thread only; every argument must outlive this.
class CalendarFileDrop : public QObject {
  Q_OBJECT

 public:
  CalendarFileDrop(CalendarGrid& grid, const MonthCalendar& month, AlbumStore& album,
                   EntryRegistration& registration, std::function<void(const Status&)> registered,
                   QObject* parent = nullptr);

  // Registers `paths` dropped on the day cell (column 1-7, row 1-6).
  void DropOn(int column, int row, const std::vector<std::string>& paths);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CalendarGrid& grid_;
  const MonthCalendar& month_;
  AlbumStore& album_;
  EntryRegistration& registration_;
  std::function<void(const Status&)> registered_;
};

}  // namespace lumidex
