#include "imagelist/ui/list_view2.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QUrl>
#include <algorithm>

#include "imagelist/image_list.h"
#include "imagelist/list_selection.h"
#include "imagelist/ui/page_list_range_selector.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr int kDragDistance = 20;

QByteArray EncodeRows(const QVector<int>& rows) {
  QByteArray bytes;
  for (const int row : rows) bytes += QByteArray::number(row) + '\n';
  return bytes;
}

QVector<int> DecodeRows(const QByteArray& bytes) {
  QVector<int> rows;
  for (const QByteArray& part : bytes.split('\n')) {
    bool ok = false;
    const int row = part.toInt(&ok);
    if (ok) rows.push_back(row);
  }
  return rows;
}

}  // namespace

ListView2::ListView2(const ImageList& list, QWidget* parent) : QListView(parent), list_(list) {
  setObjectName(QStringLiteral("ListView2"));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  // With uniform item sizes one pass lays out ten thousand items at once, so
  // the scroll range and the visible range are right from the first paint.
  setLayoutMode(QListView::SinglePass);
  setDragDropMode(QAbstractItemView::DragDrop);
  setAcceptDrops(true);
  setDropIndicatorShown(false);
  setMouseTracking(false);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  rangeSelector_ = new PageListRangeSelector(*this, list_);
}

ListView2::~ListView2() { delete rangeSelector_; }

void ListView2::ApplyMode(const QSize& itemSize) {
  itemSize_ = itemSize;
  int inset = 0;
  if (list_.mode() == ListMode::kPageList) {
    setViewMode(QListView::ListMode);
    setFlow(multiColumn_ ? QListView::LeftToRight : QListView::TopToBottom);
    setWrapping(multiColumn_);
    setGridSize(multiColumn_ ? itemSize + QSize(4, 0) : QSize());
  } else {
    // The list mode's layout keeps one position per item where the icon
    // mode builds an item and a search tree entry for each: a grid of ten
    // thousand pictures is laid out in a fraction of the time. It puts an
    // item at its cell's left edge; the item stands in the middle of the
    // cell's width, as in the icon mode.
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    const QSize cell = itemSize + QSize(4, 4);
    setGridSize(cell);
    setMovement(QListView::Static);
    inset = (cell.width() - itemSize.width()) / 2;
  }
  // A static movement makes QListView refuse every drop, which would end
  // the list's own reordering drags and the file manager's drops.
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setIconSize(itemSize);
  verticalScrollBar()->setSingleStep(std::max(itemSize.height() / 4, 8));
  if (inset != cellInset_) {
    cellInset_ = inset;
    viewport()->update();
  }
}

QRect ListView2::visualRect(const QModelIndex& index) const {
  const QRect rect = QListView::visualRect(index);
  return rect.isValid() ? rect.translated(cellInset_, 0) : rect;
}

// The base finds an item by its place in the layout and then keeps it only
// when its visual rectangle holds the point: asked at the point and at the
// point moved back by the inset, one of the two finds every point of the
// visual rectangle.
QModelIndex ListView2::indexAt(const QPoint& point) const {
  const QModelIndex at = QListView::indexAt(point);
  if (at.isValid() || cellInset_ == 0) return at;
  const QModelIndex back = QListView::indexAt(point - QPoint(cellInset_, 0));
  return back.isValid() && visualRect(back).contains(point) ? back : QModelIndex();
}

// The base paints the items whose layout rectangles meet the region; an
// item whose inset part alone is to be painted is found from the region
// widened to the left.
void ListView2::paintEvent(QPaintEvent* event) {
  if (cellInset_ == 0) {
    QListView::paintEvent(event);
    return;
  }
  QPaintEvent widened(event->region() + event->region().translated(-cellInset_, 0));
  QListView::paintEvent(&widened);
}

void ListView2::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
  QListView::setSelection(rect.translated(-cellInset_, 0), command);
}

void ListView2::SetMultiColumn(bool on) {
  multiColumn_ = on;
  if (itemSize_.isValid()) ApplyMode(itemSize_);
}

QVector<int> ListView2::SelectedRows() const {
  QVector<int> rows;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

void ListView2::SelectRows(const QVector<int>& rows) {
  QItemSelection selection;
  for (const int row : rows) {
    const QModelIndex at = model()->index(row, 0);
    selection.select(at, at);
  }
  selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!rows.isEmpty()) {
    selectionModel()->setCurrentIndex(model()->index(rows.front(), 0),
                                      QItemSelectionModel::NoUpdate);
  }
}

void ListView2::SelectAndShow(int row) {
  if (row < 0 || row >= model()->rowCount()) return;
  const QModelIndex at = model()->index(row, 0);
  selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
  scrollTo(at);
}

std::pair<int, int> ListView2::VisibleRange() const {
  const int count = model() != nullptr ? model()->rowCount() : 0;
  if (count == 0) return {-1, -1};
  const QRect area = viewport()->rect();
  // The first and last item touching the viewport: scan the corners, then
  // widen to whole rows of the grid.
  int first = -1;
  int last = -1;
  const int stepX = std::max(gridSize().width(), 8);
  const int stepY = std::max(gridSize().isValid() ? gridSize().height() : sizeHintForRow(0), 4);
  for (int y = area.top(); y <= area.bottom() && first < 0; y += std::max(stepY / 2, 2)) {
    for (int x = area.left(); x <= area.right() && first < 0; x += std::max(stepX / 2, 2)) {
      const QModelIndex at = indexAt(QPoint(x, y));
      if (at.isValid()) first = at.row();
    }
  }
  for (int y = area.bottom(); y >= area.top() && last < 0; y -= std::max(stepY / 2, 2)) {
    for (int x = area.right(); x >= area.left() && last < 0; x -= std::max(stepX / 2, 2)) {
      const QModelIndex at = indexAt(QPoint(x, y));
      if (at.isValid()) last = at.row();
    }
  }
  if (first < 0) return {-1, -1};
  return {first, std::max(first, last)};
}

void ListView2::HintVisibleRange() {
  const auto [first, last] = VisibleRange();
  emit dataHint(first, last);
}

void ListView2::keyboardSearch(const QString& search) {
  if (model() == nullptr || model()->rowCount() == 0) return;
  const int start = currentIndex().isValid() ? currentIndex().row() : 0;
  const int row = FindItemByName(list_.entries(), ToStdString(search), start, true, true);
  if (row >= 0) SelectAndShow(row);
}

void ListView2::mousePressEvent(QMouseEvent* event) {
  const QModelIndex at = indexAt(event->position().toPoint());
  pressed_ = event->button() == Qt::LeftButton;
  pressPoint_ = event->position().toPoint();
  pressRow_ = at.isValid() ? at.row() : -1;
  // A press on an already selected item keeps the selection, so that a
  // drag takes all of it; the click itself is applied on release.
  if (event->button() == Qt::LeftButton && at.isValid() && selectionModel()->isSelected(at) &&
      event->modifiers() == Qt::NoModifier) {
    return;
  }
  QListView::mousePressEvent(event);
}

void ListView2::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint moved = event->position().toPoint() - pressPoint_;
  const bool far = std::abs(moved.x()) > kDragDistance || std::abs(moved.y()) > kDragDistance;
  if (far && pressRow_ >= 0 && dragAllowed_ && list_.mode() == ListMode::kContainer) {
    pressed_ = false;
    StartEntryDrag();
    return;
  }
  if (list_.mode() == ListMode::kPageList) QListView::mouseMoveEvent(event);
}

void ListView2::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  const QModelIndex at = indexAt(event->position().toPoint());
  if (wasPressed && at.isValid() && at.row() == pressRow_ && event->modifiers() == Qt::NoModifier &&
      selectionModel()->isSelected(at) && SelectedRows().size() > 1) {
    SelectAndShow(at.row());
  }
  QListView::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && at.isValid()) emit itemClicked(at.row());
}

void ListView2::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QModelIndex at = indexAt(event->position().toPoint());
  if (at.isValid()) {
    emit itemActivated(at.row());
  } else if (list_.mode() != ListMode::kPageList) {
    emit emptySpaceDoubleClicked(event->modifiers() & Qt::AltModifier);
  }
}

void ListView2::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Backspace:
      emit backRequested();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (currentIndex().isValid()) emit itemActivated(currentIndex().row());
      return;
    case Qt::Key_Delete:
      emit deleteRequested();
      return;
    default:
      QListView::keyPressEvent(event);
  }
}

void ListView2::keyReleaseEvent(QKeyEvent* event) {
  QListView::keyReleaseEvent(event);
  if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down || event->key() == Qt::Key_Left ||
       event->key() == Qt::Key_Right) &&
      !event->isAutoRepeat() && currentIndex().isValid()) {
    emit itemClicked(currentIndex().row());
  }
}

void ListView2::StartEntryDrag() {
  const QVector<int> rows = SelectedRows();
  if (rows.isEmpty()) return;
  auto* mime = new QMimeData;
  mime->setData(kListRowsMimeType, EncodeRows(rows));
  Qt::DropActions actions = Qt::MoveAction;
  const std::string_view first = list_.entries().NameAt(rows.front());
  if (!first.empty() && first.front() != '@') {
    QList<QUrl> urls;
    for (const int row : rows) {
      const std::string_view name = list_.entries().NameAt(row);
      if (name.empty() || name.front() == '@') continue;
      const ALBDATA* record = list_.entries().record(row);
      if (record != nullptr && !record->exists) continue;
      urls.push_back(QUrl::fromLocalFile(ToQString(name)));
    }
    if (!urls.isEmpty()) {
      mime->setUrls(urls);
      const bool singleProgram =
          urls.size() == 1 && urls.front().toLocalFile().endsWith(".exe", Qt::CaseInsensitive);
      actions = singleProgram ? Qt::LinkAction : (Qt::CopyAction | Qt::MoveAction);
    }
  }
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->exec(actions | Qt::MoveAction, Qt::MoveAction);
}

void ListView2::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() == this && event->mimeData()->hasFormat(kListRowsMimeType)) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void ListView2::dragMoveEvent(QDragMoveEvent* event) {
  if (event->source() == this && event->mimeData()->hasFormat(kListRowsMimeType)) {
    event->setDropAction(Qt::MoveAction);
    event->accept();
  } else {
    event->ignore();
  }
}

void ListView2::dropEvent(QDropEvent* event) {
  if (event->source() != this || !event->mimeData()->hasFormat(kListRowsMimeType)) {
    event->ignore();
    return;
  }
  const QModelIndex target = indexAt(event->position().toPoint());
  event->setDropAction(Qt::MoveAction);
  event->accept();
  if (!target.isValid()) return;
  emit reorderRequested(DecodeRows(event->mimeData()->data(kListRowsMimeType)), target.row());
}

void ListView2::scrollContentsBy(int dx, int dy) {
  QListView::scrollContentsBy(dx, dy);
  HintVisibleRange();
}

void ListView2::resizeEvent(QResizeEvent* event) {
  QListView::resizeEvent(event);
  HintVisibleRange();
}

void ListView2::contextMenuEvent(QContextMenuEvent* event) {
  emit contextMenuRequested(event->globalPos());
}

}  // namespace lumidex
