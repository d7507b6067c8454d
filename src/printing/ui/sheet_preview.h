#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace lumidex {

// The preview of one sheet (`Image1`): shows the image the dialog draws,
// outlines the pressed cell while the button is held, and starts dragging
// an entry when the pointer moves more than 16 pixels from a left press on
// the sheet. Only drags that started here are accepted back. Main thread.
class SheetPreview : public QWidget {
  Q_OBJECT
 public:
  static constexpr const char* kEntryMime = "application/x-lumidex-print-entry";

  explicit SheetPreview(QWidget* parent);

  void SetImage(QImage image);
  const QImage& image() const { return image_; }
  // The grey outline of the pressed cell (empty: none), in widget pixels.
  void SetPressedOutline(QRect outline);
  // Whether the press may start a drag (the left button went down on the
  // sheet).
  void SetMayDrag(bool mayDrag) { mayDrag_ = mayDrag; }

 signals:
  void pressed(QPoint point, Qt::MouseButton button);
  void released();
  void pointerMoved();
  void droppedAt(QPoint point);
  void menuRequested(QPoint globalPoint);
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QImage image_;
  QRect outline_;
  QPoint pressPoint_;
  bool mayDrag_ = false;
};

}  // namespace lumidex
