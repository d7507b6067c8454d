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

// How the grid shows a cell, beside its place.
struct CellView {
  bool selected = false;  // the grid's current cell, while the grid has the focus
  bool gridHasFocus = false;
  // The grid's day column width and row height: the size cell pictures
  // are made for.
  int columnWidth = 0;
  int rowHeight = 0;
};

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

  // Paints the cell at grid (column 0-7, row 0-6) into `rect`.
  void PaintCell(QPainter& painter, const QRect& rect, int column, int row, const CellView& view);

 private:
  // One day cell as it is painted: its date, place, page and colours.
  struct DayCell;

  void PaintHeader(QPainter& painter, const QRect& rect, int column);
  void PaintDay(QPainter& painter, const QRect& rect, int column, int row, const CellView& view);
  DayCell DescribeDay(const QRect& rect, int column, int row, const CellView& view) const;
  // The cover picture, or the pale page mark of a page without one. True
  // when a cover was drawn.
  bool PaintCover(QPainter& painter, const DayCell& cell, const CellView& view);
  // The cover fitted whole into the picture area.
  void PaintFittedCover(QPainter& painter, const DayCell& cell);
  // The cover as a cell picture of the grid's cell size, on white; with
  // `replaceWhite` its white edges take the cell colour, else it is faded
  // into the cell colour by "alfha".
  void PaintCellPicture(QPainter& painter, const DayCell& cell, const CellView& view,
                        bool replaceWhite);
  // A page without a cover: its mark in the middle of the picture area.
  void PaintCoverlessPage(QPainter& painter, const DayCell& cell);
  void PaintBorders(QPainter& painter, const DayCell& cell);
  void PaintTodayMark(QPainter& painter, const DayCell& cell);
  void PaintDayNumber(QPainter& painter, const DayCell& cell);
  void PaintHolidayLabel(QPainter& painter, const DayCell& cell);
  void PaintStripShadow(QPainter& painter, const DayCell& cell);
  // The bold base font at 9 points.
  QFont BaseFont() const;

  const MonthCalendar& calendar_;
  CoverCache& covers_;
  const CalendarMarks& marks_;
  const CalendarPageSource* pages_ = nullptr;
  CellSettings settings_;
  bool english_ = false;
  QFont font_;
};

}  // namespace lumidex
