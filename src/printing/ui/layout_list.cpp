#include "printing/ui/layout_list.h"

#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include "printing/ui/sheet_preview.h"

namespace lumidex {

namespace {

constexpr int kColumns = 2;
constexpr int kRows = 6;

// Columns x rows of the small pictures of the grids (portrait sheet).
QSize GridPicture(int layout) {
  switch (layout) {
    case 1: return {1, 2};
    case 2: return {2, 2};
    case 3: return {3, 3};
    case 4: return {5, 7};
    case 5: return {7, 7};
    default: return {1, 1};
  }
}

}  // namespace

LayoutList::LayoutList(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StringGrid1"));
  setAcceptDrops(true);
  setMinimumSize(2 * 64, 6 * 56);
}

void LayoutList::SetSelected(int layout) {
  selected_ = layout;
  update();
}

void LayoutList::SetSettings(const PrintSettings& settings) {
  settings_ = settings;
  update();
}

QRect LayoutList::CellRect(int index) const {
  const int w = width() / kColumns;
  const int h = height() / kRows;
  return QRect((index % kColumns) * w, (index / kColumns) * h, w, h);
}

void LayoutList::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  for (int index = 0; index < kLayoutCount; ++index) {
    const QRect cell = CellRect(index).adjusted(1, 1, -1, -1);
    const bool selected = index == selected_;
    painter.fillRect(cell, selected ? palette().highlight() : QBrush(Qt::white));
    painter.setPen(selected ? Qt::white : Qt::black);
    if (IsGridLayout(index)) {
      const QSize grid = GridPicture(index);
      const int sheetH = cell.height() - 12;
      const int sheetW = sheetH * 7 / 10;
      const QRect sheet(cell.center().x() - sheetW / 2, cell.top() + 6, sheetW, sheetH);
      for (int r = 0; r < grid.height(); ++r) {
        for (int c = 0; c < grid.width(); ++c) {
          painter.drawRect(sheet.left() + c * sheetW / grid.width(),
                           sheet.top() + r * sheetH / grid.height(), sheetW / grid.width(),
                           sheetH / grid.height());
        }
      }
    } else {
      painter.drawText(cell.adjusted(0, 20, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                       QString::fromStdString(LayoutLabel(index, settings_)));
    }
  }
}

void LayoutList::mousePressEvent(QMouseEvent* event) {
  const QPoint point = event->position().toPoint();
  for (int index = 0; index < kLayoutCount; ++index) {
    if (CellRect(index).contains(point)) {
      emit chosen(index);
      return;
    }
  }
}

bool LayoutList::Accepts(const QDropEvent* event) const {
  return event->mimeData()->hasFormat(QString::fromLatin1(SheetPreview::kEntryMime)) &&
         (!acceptDrop_ || acceptDrop_());
}

void LayoutList::dragEnterEvent(QDragEnterEvent* event) {
  if (Accepts(event)) event->acceptProposedAction();
}

void LayoutList::dropEvent(QDropEvent* event) {
  if (!Accepts(event)) return;
  event->acceptProposedAction();
  emit entryDropped();
}

}  // namespace lumidex
