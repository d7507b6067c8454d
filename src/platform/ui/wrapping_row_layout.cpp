#include "platform/ui/wrapping_row_layout.h"

#include <algorithm>

namespace lumidex {

WrappingRowLayout::~WrappingRowLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

QLayoutItem* WrappingRowLayout::takeAt(int index) {
  return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

int WrappingRowLayout::heightForWidth(int width) const {
  return Arrange(QRect(0, 0, width, 0), false);
}

QSize WrappingRowLayout::minimumSize() const {
  QSize size;
  for (const QLayoutItem* item : items_) {
    if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
  }
  const QMargins m = contentsMargins();
  return size + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize WrappingRowLayout::sizeHint() const {
  int width = 0, height = 0, shown = 0;
  for (const QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize hint = item->sizeHint();
    width += hint.width();
    height = std::max(height, hint.height());
    ++shown;
  }
  const QMargins m = contentsMargins();
  width += std::max(shown - 1, 0) * spacing() + m.left() + m.right();
  return QSize(width, height + m.top() + m.bottom());
}

void WrappingRowLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect, true);
}

int WrappingRowLayout::Arrange(const QRect& rect, bool apply) const {
  const QRect area = rect.marginsRemoved(contentsMargins());
  const int gap = std::max(spacing(), 0);
  int x = area.x(), y = area.y(), rowHeight = 0;
  for (QLayoutItem* item : items_) {
    if (item->isEmpty()) continue;
    const QSize hint = item->sizeHint();
    if (x > area.x() && x + hint.width() > area.right() + 1) {
      x = area.x();
      y += rowHeight + gap;
      rowHeight = 0;
    }
    if (apply) item->setGeometry(QRect(QPoint(x, y), hint));
    x += hint.width() + gap;
    rowHeight = std::max(rowHeight, hint.height());
  }
  const QMargins m = contentsMargins();
  return y + rowHeight - rect.y() + m.bottom();
}

}  // namespace lumidex
