#include "calendar/ui/calendar_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "calendar/cell_geometry.h"

namespace lumidex {

CalendarGrid::CalendarGrid(const MonthCalendar& calendar, QWidget* parent)
    : QWidget(parent), calendar_(calendar), painter_(calendar, covers_, marks_) {
  setObjectName(QStringLiteral("StringGrid1"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  QFont base(QStringLiteral("Noto Sans CJK JP"));
  base.setPointSize(9);
  setFont(base);
  painter_.SetFont(base);
}

int CalendarGrid::columnWidth() const { return DayColumnWidth(width()); }
int CalendarGrid::rowHeight() const { return DayRowHeight(height()); }

QRect CalendarGrid::CellRect(int column, int row) const {
  const int x = column == 0 ? 0 : kFixedColumnWidth + (column - 1) * columnWidth();
  const int y = row == 0 ? 0 : kHeaderHeight + (row - 1) * rowHeight();
  return QRect(x, y, column == 0 ? kFixedColumnWidth : columnWidth(),
               row == 0 ? kHeaderHeight : rowHeight());
}

QPoint CalendarGrid::DayCellAt(const QPoint& point) const {
  const int x = point.x() - kFixedColumnWidth;
  const int y = point.y() - kHeaderHeight;
  if (x < 0 || y < 0) return {};
  const int column = x / columnWidth() + 1;
  const int row = y / rowHeight() + 1;
  if (column > MonthCalendar::kColumns || row > MonthCalendar::kRows) return {};
  return {column, row};
}

void CalendarGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (calendar_.state().paintingSuppressed) return;
  for (int row = 0; row <= MonthCalendar::kRows; ++row) {
    for (int column = 0; column <= MonthCalendar::kColumns; ++column) {
      const QRect cell = CellRect(column, row);
      if (!event->region().intersects(cell)) continue;
      const bool current = column == calendar_.currentColumn() && row == calendar_.currentRow();
      painter_.PaintCell(painter, cell, column, row,
                         CellView{current && hasFocus(), hasFocus(), columnWidth(), rowHeight()});
    }
  }
}

void CalendarGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint cell = DayCellAt(event->position().toPoint());
  if (cell.isNull()) return QWidget::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) {
    emit otherButtonPressed(cell.x(), cell.y());
    return;
  }
  const QPoint inCell = event->position().toPoint() - CellRect(cell.x(), cell.y()).topLeft();
  emit dayCellPressed(cell.x(), cell.y(), IsOnDateStrip(inCell.x(), inCell.y(), columnWidth()));
}

void CalendarGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint cell = DayCellAt(event->position().toPoint());
  if (cell.isNull() || event->button() != Qt::LeftButton) return;
  emit dayCellDoubleClicked(cell.x(), cell.y());
}

void CalendarGrid::keyPressEvent(QKeyEvent* event) {
  int column = calendar_.currentColumn();
  int row = calendar_.currentRow();
  switch (event->key()) {
    case Qt::Key_Left:
      --column;
      break;
    case Qt::Key_Right:
      ++column;
      break;
    case Qt::Key_Up:
      --row;
      break;
    case Qt::Key_Down:
      ++row;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit dayCellDoubleClicked(column, row);
      return;
    default:
      return QWidget::keyPressEvent(event);
  }
  if (column < 1 || column > MonthCalendar::kColumns || row < 1 || row > MonthCalendar::kRows) {
    return;
  }
  emit dayCellPressed(column, row, false);
}

void CalendarGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void CalendarGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

}  // namespace lumidex
