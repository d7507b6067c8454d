#include "images/ui/close_mark.h"

#include <QPainter>

namespace lumidex {

void DrawCloseMark(QPainter& p, const QRect& at) {
  p.save();
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.setBrush(Qt::white);
  p.drawRect(at.adjusted(0, 0, -1, -1));
  p.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
  p.drawLine(at.topLeft() + QPoint(4, 4), at.bottomRight() - QPoint(4, 4));
  p.drawLine(at.topRight() + QPoint(-4, 4), at.bottomLeft() + QPoint(4, -4));
  p.restore();
}

}  // namespace lumidex
