#pragma once

#include <QFont>
#include <QRect>

#include "calendar/calendar_pages.h"
#include "calendar/cell_settings.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_marks.h"
#include "calendar/ui/cover_cache.h"

class QPainter;

namespace lumidex {

// Paints the cells of the month grid: the white column 0, the weekday
// header and the day cells with background, cover picture, page mark,
// borders, today mark, day number, holiday label and strip shadow, in that
// order. Keeps no state between cells except the cover cache. Main thread.
class CalendarCellPainter {
 public:
  // Everything is borrowed and must outlive the painter; `pages` may be null
  // (no album: no covers).
  CalendarCellPainter(const MonthCalendar& calendar, CoverCache& covers,
                      const CalendarMarks& marks);

  void SetPages(const CalendarPageSource* pages) { pages_ = pages; }
  void SetSettings(const CellSettings& settings) { settings_ = settings; }
  void SetEnglishWeekdays(bool english) { english_ = english; }
  // The base font (9 points); the day number uses it at 11 points.
  void SetFont(const QFont& font) { font_ = font; }

  // Paints the cell at grid (column 0-7, row 0-6) into `rect`. `selected`:
  // it is the grid's current cell and the grid has the focus.
  // `columnWidth` and `rowHeight` are the grid's day column width and row
  // height (the size of the cell pictures).
  void PaintCell(QPainter& painter, const QRect& rect, int column, int row, bool selected,
                 bool gridHasFocus, int columnWidth, int rowHeight);

 private:
  void PaintHeader(QPainter& painter, const QRect& rect, int column);
  void PaintDay(QPainter& painter, const QRect& rect, int column, int row, bool selected,
                bool gridHasFocus, int columnWidth, int rowHeight);

  const MonthCalendar& calendar_;
  CoverCache& covers_;
  const CalendarMarks& marks_;
  const CalendarPageSource* pages_ = nullptr;
  CellSettings settings_;
  bool english_ = false;
  QFont font_;
};

}  // namespace lumidex
