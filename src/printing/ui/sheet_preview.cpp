#include "printing/ui/sheet_preview.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <cstdlib>

namespace lumidex {

namespace {

constexpr int kDragDistance = 16;

}  // namespace

SheetPreview::SheetPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image1"));
  setAcceptDrops(true);
  setMinimumSize(120, 120);
}

void SheetPreview::SetImage(QImage image) {
  image_ = std::move(image);
  update();
}

void SheetPreview::SetPressedOutline(QRect outline) {
  outline_ = outline;
  update();
}

void SheetPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
  if (!outline_.isEmpty()) {
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(outline_);
  }
}

void SheetPreview::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

void SheetPreview::mousePressEvent(QMouseEvent* event) {
  pressPoint_ = event->position().toPoint();
  mayDrag_ = false;
  emit pressed(pressPoint_, event->button());
  if (event->button() == Qt::LeftButton) setCursor(Qt::PointingHandCursor);
}

void SheetPreview::mouseMoveEvent(QMouseEvent* event) {
  emit pointerMoved();
  const QPoint point = event->position().toPoint();
  if (!mayDrag_ || !(event->buttons() & Qt::LeftButton)) return;
  if (std::abs(point.x() - pressPoint_.x()) <= kDragDistance &&
      std::abs(point.y() - pressPoint_.y()) <= kDragDistance) {
    return;
  }
  mayDrag_ = false;
  auto* drag = new QDrag(this);
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kEntryMime), QByteArray("1"));
  drag->setMimeData(mime);
  drag->exec(Qt::MoveAction);
  unsetCursor();
  SetPressedOutline(QRect());
  emit released();
}

void SheetPreview::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  unsetCursor();
  mayDrag_ = false;
  SetPressedOutline(QRect());
  emit released();
}

void SheetPreview::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() == this && event->mimeData()->hasFormat(QString::fromLatin1(kEntryMime))) {
    event->acceptProposedAction();
  }
}

void SheetPreview::dragMoveEvent(QDragMoveEvent* event) {
  if (event->source() == this) event->acceptProposedAction();
}

void SheetPreview::dropEvent(QDropEvent* event) {
  if (event->source() != this) return;
  event->acceptProposedAction();
  emit droppedAt(event->position().toPoint());
}

void SheetPreview::contextMenuEvent(QContextMenuEvent* event) { emit menuRequested(event->globalPos()); }

}  // namespace lumidex
