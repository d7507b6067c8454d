#include "calendar/ui/calendar_marks.h"

#include <QPainter>
#include <QPainterPath>

namespace lumidex {
namespace {

constexpr int kSize = 16;

QPixmap Blank() {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

QPixmap Disc(const QColor& colour) {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(colour.darker(140), 1));
  p.setBrush(colour);
  p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRectF(5.5, 5.5, 3, 3));
  return pixmap;
}

QPixmap Diamond(const QColor& colour) {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.moveTo(8, 1.5);
  path.lineTo(14.5, 8);
  path.lineTo(8, 14.5);
  path.lineTo(1.5, 8);
  path.closeSubpath();
  p.setPen(QPen(colour.darker(140), 1));
  p.setBrush(colour);
  p.drawPath(path);
  return pixmap;
}

QPixmap Note(const QColor& colour) {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setPen(QPen(colour.darker(140), 1));
  p.setBrush(colour);
  p.drawRect(3, 3, 10, 10);
  p.setPen(Qt::white);
  p.drawLine(5, 6, 11, 6);
  p.drawLine(5, 9, 11, 9);
  return pixmap;
}

QPixmap Several() {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setPen(QColor(0x80, 0x40, 0x00));
  p.setBrush(QColor(0xFF, 0xB0, 0x40));
  p.drawRect(6, 1, 8, 8);
  p.setBrush(QColor(0xFF, 0x60, 0x30));
  p.drawRect(2, 6, 8, 8);
  return pixmap;
}

QPixmap Page(const QColor& colour, bool stacked) {
  QPixmap pixmap = Blank();
  QPainter p(&pixmap);
  p.setPen(colour.darker(160));
  if (stacked) {
    p.setBrush(colour.lighter(150));
    p.drawRect(6, 1, 8, 10);
  }
  p.setBrush(Qt::white);
  p.drawRect(2, 4, 8, 10);
  p.setBrush(colour);
  p.drawRect(3, 5, 6, 4);
  return pixmap;
}

}  // namespace

CalendarMarks::CalendarMarks()
    : holiday_(Disc(QColor(0xE0, 0x20, 0x20))),
      event_(Diamond(QColor(0x90, 0x30, 0xA0))),
      other_(Note(QColor(0x20, 0x50, 0xE0))),
      several_(Several()),
      pageOtherYears_(Page(QColor(0x20, 0x90, 0x40), true)),
      pageThisYear_(Page(QColor(0x20, 0x60, 0xC0), false)) {}

const QPixmap& CalendarMarks::HolidayMark(DayKind kind) const {
  switch (kind) {
    case DayKind::kEvent:
      return event_;
    case DayKind::kOther:
      return other_;
    default:
      return holiday_;
  }
}

}  // namespace lumidex
