#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "freelayout/edit_history.h"
#include "freelayout/free_layout_item.h"
#include "freelayout/layout_operations.h"
#include "images/bitmap.h"

namespace lumidex {

class FreeLayoutTabRenderer;

// The free layout canvas `FreePanel`: the items of the shown tab drawn on
// one painted surface by the tab renderer, in the page colour, and edited
// with the mouse and the keys. It keeps the 2:1 shape of the layout space:
// as wide as its frame less 30 pixels, half as high, centred in the frame.
//
// Editing: a press on an item selects it (Ctrl toggles) and a drag moves the
// selected items or, from the right and bottom edge zones, resizes the
// item; a drag on the empty canvas selects by a band; a double-click there
// selects every item of the kind pressed last. The arrow keys move the
// selected items by a pixel (with Shift they resize them), Delete removes
// them, Ctrl+A selects all, Ctrl+Z and Ctrl+Y undo and redo. Every edit is
// recorded (the item list before it) for undo until other items are loaded,
// and announced by `edited`.
//
// Drawing: the tab is drawn again only when the items or the size change;
// the renderer keeps the item pictures, so a resize reads no file again.
// While items are dragged, the other items are drawn once into a still
// layer and only the dragged items' places are painted again per move.
// Main thread only; the renderer must outlive it.
class FreeLayoutCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit FreeLayoutCanvas(QWidget* frame);

  void SetRenderer(FreeLayoutTabRenderer* renderer);
  // The items of a tab just loaded, in stacking order: the undo history
  // starts anew.
  void SetItems(std::vector<FreeLayoutItem> items);
  const std::vector<FreeLayoutItem>& items() const { return items_; }
  // Draws again (the look changed).
  void Redraw();

  // An edit of the item list: the list before it is recorded for undo, the
  // canvas drawn again and `edited` emitted (even when `edit` changed
  // nothing it reports no change: then nothing is recorded).
  void Edit(const std::function<void(std::vector<FreeLayoutItem>&)>& edit);
  // Shows `items` without recording an edit (a live preview); Commit then
  // records `before` as the list the preview started from.
  void Preview(std::vector<FreeLayoutItem> items);
  void Commit(const std::vector<FreeLayoutItem>& before);
  bool Undo();
  bool Redo();
  bool canUndo() const { return history_.canUndo(); }
  bool canRedo() const { return history_.canRedo(); }

  // The canvas geometry items are converted with.
  LayoutScale scale() const { return LayoutScale(width(), height()); }
  // The item pressed last; -1 after a press on the empty canvas.
  int currentIndex() const { return currentIndex_; }
  // Where new items go: the last press on the empty canvas or drop point.
  QPoint pastePoint() const { return pastePoint_; }
  // When locked, items cannot be moved (resizing still works).
  void SetMovesLocked(bool locked) { movesLocked_ = locked; }

  // What the last drawing could not draw (one message per item).
  const std::vector<std::string>& problems() const { return problems_; }

 signals:
  // The items changed by an edit (not by SetItems or a selection).
  void edited();
  // A right-button release on an item, and on the empty canvas.
  void itemMenuRequested(int index, const QPoint& globalPos);
  void canvasMenuRequested(const QPoint& globalPos);
  // A double-click on an item.
  void itemActivated(int index);
  // Files, or else a text, dropped at `point` (canvas pixels).
  void dropped(const QStringList& files, const QString& text, const QPoint& point);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // The size rule over the frame's size.
  void FitToFrame();
  void Render();
  // Draws the still layer and the dragged items' layer for a drag.
  void StartDragLayers();
  // Where the dragged item `start` shows now, in canvas pixels.
  QRect DraggedTarget(const DragStart& start) const;
  QRect DragDirtyRect() const;
  void DragTo(const QPoint& pos, Qt::KeyboardModifiers modifiers);
  void BandTo(const QPoint& pos);
  void EndDrag();
  void UpdateCursor(const QPoint& pos);
  // Whether the canvas handles `event` itself (before the window's shortcuts).
  static bool IsEditingKey(const QKeyEvent& event);
  // An arrow key on the selected items.
  void Nudge(int dx, int dy, bool resize);

  QWidget& frame_;
  FreeLayoutTabRenderer* renderer_ = nullptr;
  std::vector<FreeLayoutItem> items_;
  EditHistory history_;
  Bitmap drawing_;
  bool stale_ = true;
  std::vector<std::string> problems_;

  // Edit state.
  int currentIndex_ = -1;
  QPoint pastePoint_{20, 20};
  bool movesLocked_ = false;
  ItemKind pressKind_ = ItemKind::kAll;
  bool selectKindPending_ = false;

  // A drag from a press on an item to its release.
  bool dragging_ = false;
  bool dragMoved_ = false;
  DragKind dragKind_ = DragKind::kMove;
  QPoint pressPos_;
  std::vector<DragStart> dragStarts_;
  std::vector<FreeLayoutItem> beforeDrag_;
  Bitmap stillLayer_;   // every item but the dragged ones
  Bitmap movingLayer_;  // the dragged items at their start
  std::vector<QRect> dragSources_;  // where each dragged item lies in movingLayer_
  QRect lastDirty_;

  // A band selection from a left press on the empty canvas.
  bool banding_ = false;
  QRect band_;
};

}  // namespace lumidex
