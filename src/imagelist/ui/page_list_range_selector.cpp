#include "imagelist/ui/page_list_range_selector.h"

#include <QCursor>
#include <QItemSelection>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>

#include "imagelist/auto_scroll_rule.h"
#include "imagelist/drag_range_selection.h"
#include "imagelist/image_list.h"
#include "imagelist/ui/list_view2.h"

namespace lumidex {
namespace {

constexpr int kFirstIntervalMs = 100;

QItemSelection RowSpan(const QAbstractItemModel& model, int first, int last) {
  QItemSelection span;
  if (first <= last) span.select(model.index(first, 0), model.index(last, 0));
  return span;
}

}  // namespace

PageListRangeSelector::PageListRangeSelector(ListView2& view, const ImageList& list)
    : QObject(&view), view_(view), list_(list), timer_(new QTimer(this)) {
  timer_->setInterval(kFirstIntervalMs);
  connect(timer_, &QTimer::timeout, this,
          [this] { AutoScrollTick(view_.viewport()->mapFromGlobal(QCursor::pos())); });
  view_.viewport()->installEventFilter(this);
}

bool PageListRangeSelector::eventFilter(QObject* watched, QEvent* event) {
  // Only mouse buttons and moves matter; checking the type first keeps the
  // view and the list out of every other event (some come while they are
  // torn down).
  const QEvent::Type type = event->type();
  const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                     type == QEvent::MouseButtonRelease;
  if (!mouse || watched != view_.viewport() || list_.mode() != ListMode::kPageList) {
    return QObject::eventFilter(watched, event);
  }
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      const QModelIndex at = view_.indexAt(mouse->position().toPoint());
      pressedRow_ = at.isValid() ? at.row() : -1;
      if (pressedRow_ >= 0) {
        timer_->setInterval(kFirstIntervalMs);
        timer_->start();
      }
      break;
    }
    case QEvent::MouseMove: {
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (pressedRow_ < 0 || !(mouse->buttons() & Qt::LeftButton)) break;
      const QModelIndex at = view_.indexAt(mouse->position().toPoint());
      if (at.isValid()) SelectUpTo(at.row());
      return true;  // the range is ours; the view's own drag selection stays out
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        timer_->stop();
        pressedRow_ = -1;
      }
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void PageListRangeSelector::AutoScrollTick(const QPoint& pointer) {
  if (pressedRow_ < 0) return;
  QWidget* viewport = view_.viewport();
  const AutoScrollStep step = AutoScrollFor(pointer.y(), viewport->height());
  timer_->setInterval(step.intervalMs);
  if (step.direction == 0) return;
  QScrollBar* bar = view_.verticalScrollBar();
  bar->setValue(bar->value() + step.direction * LineHeight());
  const int x = std::clamp(pointer.x(), 0, std::max(viewport->width() - 1, 0));
  const int y = step.direction < 0 ? 0 : viewport->height() - 1;
  QModelIndex edge = view_.indexAt(QPoint(x, y));
  if (!edge.isValid()) edge = view_.indexAt(QPoint(0, y));
  if (edge.isValid()) SelectUpTo(edge.row());
}

void PageListRangeSelector::SelectUpTo(int row) {
  const QAbstractItemModel& model = *view_.model();
  const bool wrapped = view_.isWrapping();
  const int across = wrapped && view_.gridSize().width() > 0
                         ? view_.viewport()->width() / view_.gridSize().width()
                         : 1;
  const DragRangeSelection range =
      SelectDragRange(pressedRow_, row, model.rowCount(), DragDeselectMargin(wrapped, across));
  QItemSelection cleared = RowSpan(model, range.clearBeforeFirst, range.first - 1);
  cleared.merge(RowSpan(model, range.last + 1, range.clearAfterLast), QItemSelectionModel::Select);
  QItemSelectionModel& selection = *view_.selectionModel();
  selection.select(cleared, QItemSelectionModel::Deselect);
  // The current item stays where it is: moving it would scroll the list on
  // its own, beyond the one line per tick.
  selection.select(RowSpan(model, range.first, range.last), QItemSelectionModel::Select);
}

// One line of the list: a row, or a line of items in the multi-column view.
int PageListRangeSelector::LineHeight() const {
  if (view_.gridSize().isValid()) return view_.gridSize().height();
  return std::max(view_.sizeHintForRow(0), 1);
}

}  // namespace lumidex
