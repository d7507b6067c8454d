#pragma once

#include <QWidget>

#include "calendar/ui/calendar_cell_painter.h"
#include "calendar/ui/calendar_marks.h"
#include "calendar/ui/cover_cache.h"

namespace lumidex {

// The month grid `StringGrid1`: 8 columns x 7 rows painted entirely by
// CalendarCellPainter, column 0 a blank 12-pixel column and row 0 the
// 18-pixel weekday header; day columns are (width - 26) / 7 and day rows
// (height - 28) / 6 pixels. It reports presses and double clicks on day
// cells; what they mean is the CalendarController's business. Main thread.
class CalendarGrid : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeaderHeight = 18;
  static constexpr int kFixedColumnWidth = 12;

  // `calendar` must outlive the grid.
  explicit CalendarGrid(const MonthCalendar& calendar, QWidget* parent = nullptr);

  CalendarCellPainter& painter() { return painter_; }
  CoverCache& covers() { return covers_; }
  const CalendarMarks& marks() const { return marks_; }

  int columnWidth() const;
  int rowHeight() const;
  // The rectangle of cell (column 0-7, row 0-6).
  QRect CellRect(int column, int row) const;
  // The day cell under `point` as (column 1-7, row 1-6), or (0, 0).
  QPoint DayCellAt(const QPoint& point) const;

  QSize sizeHint() const override { return {560, 460}; }

 signals:
  // A left press on day cell (column, row); `onStrip`: within its date
  // strip. Also sent for keyboard moves, with `onStrip` false.
  void dayCellPressed(int column, int row, bool onStrip);
  // Another button pressed over the grid (the context menu follows).
  void otherButtonPressed(int column, int row);
  void dayCellDoubleClicked(int column, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  const MonthCalendar& calendar_;
  CoverCache covers_;
  CalendarMarks marks_;
  CalendarCellPainter painter_;
};

}  // namespace lumidex
