#pragma once

#include <QListView>
#include <QPoint>
#include <QVector>

namespace lumidex {

class ImageList;
class PageListRangeSelector;

// The image list control: a virtual QListView (uniform item sizes, items
// asked for only when drawn) over ImageListModel. Page-list mode shows rows,
// the other modes a wrapping icon grid. It reports what the user does and
// leaves every change of data to its owner (ImageListPanel):
// - dataHint whenever the range of visible items may have changed;
// - itemClicked after a click or an up/down key (released);
// - itemActivated on a double click or Enter;
// - emptySpaceDoubleClicked (with whether Alt was held);
// - backRequested on Backspace, deleteRequested on Delete;
// - reorderRequested when selected items are dropped on an item of the list;
// - contextMenuRequested on the right button.
// Dragging the selection (container mode, icon view, more than 20 pixels
// from the press point) starts a drag that carries the selected rows for a
// reorder inside the list and, when the first selected item is not a
// sub-album entry, the existing files as URLs for the desktop (only a link
// for a single ".exe"). Find by typing compares with the lines' names.
// Main thread only; the list must outlive the control.
class ListView2 : public QListView {
  Q_OBJECT

 public:
  explicit ListView2(const ImageList& list, QWidget* parent = nullptr);
  // Removes the range selector first: the viewport still gets events while
  // the view's base classes are torn down, and the selector must not see
  // them then.
  ~ListView2() override;

  // Lays the view out for the list's mode and the item size of the delegate.
  void ApplyMode(const QSize& itemSize);
  // The multi-column list mode: the page list's rows flow across the
  // list's width, line by line, instead of one column.
  void SetMultiColumn(bool on);
  // The rows of the selection, ascending.
  QVector<int> SelectedRows() const;
  // Selects exactly `rows` (ascending), the first one current.
  void SelectRows(const QVector<int>& rows);
  // Selects `row` only and scrolls it into view.
  void SelectAndShow(int row);
  // The first and last visible rows now (-1, -1 when none).
  std::pair<int, int> VisibleRange() const;
  // Whether drags may start (not during a slide show or in full screen).
  void SetDragAllowed(bool allowed) { dragAllowed_ = allowed; }
  // Emits dataHint now.
  void HintVisibleRange();

  void keyboardSearch(const QString& search) override;
  // In a container the items stand in the middle of their grid cells'
  // width (see ApplyMode); hit tests, paints and band selections follow.
  QRect visualRect(const QModelIndex& index) const override;
  QModelIndex indexAt(const QPoint& point) const override;

 signals:
  void dataHint(int first, int last);
  void itemClicked(int row);
  void itemActivated(int row);
  void emptySpaceDoubleClicked(bool altHeld);
  void backRequested();
  void deleteRequested();
  void reorderRequested(QVector<int> selected, int target);
  void contextMenuRequested(QPoint globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void resizeEvent(QResizeEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void StartEntryDrag();

  const ImageList& list_;
  PageListRangeSelector* rangeSelector_ = nullptr;
  QSize itemSize_;
  bool multiColumn_ = false;
  // How far right of its grid cell's left edge an item stands.
  int cellInset_ = 0;
  QPoint pressPoint_;
  int pressRow_ = -1;
  bool dragAllowed_ = true;
  bool pressed_ = false;
  QString searchText_;
};

// The drag format of rows moved inside the list.
inline constexpr char kListRowsMimeType[] = "application/x-lumidex-list-rows";

}  // namespace lumidex
