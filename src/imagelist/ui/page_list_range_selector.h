#pragma once

#include <QObject>
#include <QPoint>

class QTimer;

namespace lumidex {

class ImageList;
class ListView2;

// The page list's mouse range selection. After a left-button press on a
// row, moving the pointer selects the rows from the pressed row to the row
// under the pointer and deselects up to 5 rows beyond each end (in the
// multi-column view, a line of items plus one), so that pulling the range
// back leaves no stray rows selected. While the button is held an
// auto-scroll timer runs: with the pointer above or below the list it
// scrolls one line per tick and extends the range to the row at that edge,
// ticking every 100 ms within 16 pixels of the edge, every 30 ms within 32
// and every millisecond farther out. Releasing the button stops it.
//
// Watches the view's viewport; main thread only. The view and the list must
// outlive it (the view owns it).
class PageListRangeSelector : public QObject {
  Q_OBJECT

 public:
  PageListRangeSelector(ListView2& view, const ImageList& list);

  // One tick of the auto-scroll timer with the pointer at `pointer` in the
  // viewport's coordinates. Does nothing unless a press on a row is followed.
  void AutoScrollTick(const QPoint& pointer);
  // The row the range started from, -1 while the button is up.
  int pressedRow() const { return pressedRow_; }
  QTimer* timer() const { return timer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SelectUpTo(int row);
  int LineHeight() const;

  ListView2& view_;
  const ImageList& list_;
  QTimer* timer_ = nullptr;
  int pressedRow_ = -1;
};

}  // namespace lumidex
