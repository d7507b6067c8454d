#include "freelayout/ui/free_layout_canvas.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <filesystem>

#include "freelayout/render/free_layout_tab_renderer.h"
#include "images/ui/bitmap_bridge.h"
#include "platform/ui/clipboard_file_list.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The canvas leaves this much of its frame's width free.
constexpr int kFrameMargin = 30;
// A band starts once the pointer is this far from the press both ways.
constexpr int kBandThreshold = 4;
// Units far beyond any canvas: an item placed there is drawn by nobody, yet
// stays in the renderer's list, so its picture is kept.
constexpr int kOffCanvas = -30000;

QRect ToQRect(const CanvasRect& r) { return QRect(r.left, r.top, r.width, r.height); }

bool FileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

}  // namespace

FreeLayoutCanvas::FreeLayoutCanvas(QWidget* frame) : QWidget(frame), frame_(*frame) {
  setObjectName(QStringLiteral("FreePanel"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  setAcceptDrops(true);
  frame_.installEventFilter(this);
}

void FreeLayoutCanvas::SetRenderer(FreeLayoutTabRenderer* renderer) {
  renderer_ = renderer;
  Redraw();
}

void FreeLayoutCanvas::SetItems(std::vector<FreeLayoutItem> items) {
  items_ = std::move(items);
  history_.Clear();
  currentIndex_ = -1;
  dragging_ = banding_ = false;
  Redraw();
}

void FreeLayoutCanvas::Redraw() {
  stale_ = true;
  update();
}

void FreeLayoutCanvas::Edit(const std::function<void(std::vector<FreeLayoutItem>&)>& edit) {
  std::vector<FreeLayoutItem> before = items_;
  edit(items_);
  Commit(before);
}

void FreeLayoutCanvas::Preview(std::vector<FreeLayoutItem> items) {
  items_ = std::move(items);
  Redraw();
}

void FreeLayoutCanvas::Commit(const std::vector<FreeLayoutItem>& before) {
  Redraw();
  // A change of the selection alone is no edit.
  auto stored = [](std::vector<FreeLayoutItem> list) {
    for (FreeLayoutItem& item : list) item.selected = false;
    return list;
  };
  const auto same = [&] {
    const auto a = stored(before);
    const auto b = stored(items_);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      const FreeLayoutItem& x = a[i];
      const FreeLayoutItem& y = b[i];
      if (x.x != y.x || x.y != y.y || x.width != y.width || x.height != y.height || x.rotation != y.rotation ||
          x.Flags() != y.Flags() || x.value != y.value) {
        return false;
      }
    }
    return true;
  };
  if (same()) return;
  history_.Record(before);
  emit edited();
}

bool FreeLayoutCanvas::Undo() {
  auto back = history_.Undo(items_);
  if (!back) return false;
  items_ = std::move(*back);
  Redraw();
  emit edited();
  return true;
}

bool FreeLayoutCanvas::Redo() {
  auto again = history_.Redo(items_);
  if (!again) return false;
  items_ = std::move(*again);
  Redraw();
  emit edited();
  return true;
}

void FreeLayoutCanvas::Render() {
  stale_ = false;
  problems_.clear();
  if (renderer_ == nullptr || width() < 1 || height() < 1) {
    drawing_ = Bitmap();
    return;
  }
  TabDrawing drawn = renderer_->Render(items_, width(), height());
  drawing_ = std::move(drawn.canvas);
  problems_ = std::move(drawn.problems);
}

void FreeLayoutCanvas::StartDragLayers() {
  if (renderer_ == nullptr) return;
  // Both drawings name every item, so the renderer keeps every picture.
  std::vector<FreeLayoutItem> still = items_;
  std::vector<FreeLayoutItem> moving = items_;
  std::vector<bool> dragged(items_.size(), false);
  for (const DragStart& start : dragStarts_) dragged[start.index] = true;
  for (size_t i = 0; i < items_.size(); ++i) {
    FreeLayoutItem& away = dragged[i] ? still[i] : moving[i];
    away.x = away.y = kOffCanvas;
  }
  stillLayer_ = std::move(renderer_->Render(still, width(), height()).canvas);
  movingLayer_ = std::move(renderer_->Render(moving, width(), height()).canvas);
  dragSources_.clear();
  for (const DragStart& start : dragStarts_) dragSources_.push_back(ToQRect(ShownRect(items_[start.index], scale())));
  lastDirty_ = DragDirtyRect();
}

QRect FreeLayoutCanvas::DraggedTarget(const DragStart& start) const {
  return ToQRect(ShownRect(items_[start.index], scale()));
}

QRect FreeLayoutCanvas::DragDirtyRect() const {
  QRect dirty;
  for (const DragStart& start : dragStarts_) dirty |= DraggedTarget(start);
  return dirty.adjusted(-1, -1, 1, 1);
}

void FreeLayoutCanvas::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  if (dragging_ && !stillLayer_.empty()) {
    const QRect area = event->rect();
    p.drawImage(area, WrapAsQImage(stillLayer_), area);
    const QImage moving = WrapAsQImage(movingLayer_);
    for (size_t i = 0; i < dragStarts_.size(); ++i) {
      p.drawImage(DraggedTarget(dragStarts_[i]), moving, dragSources_[i]);
    }
    return;
  }
  if (stale_) Render();
  if (drawing_.empty()) {
    p.fillRect(rect(), palette().window());
    return;
  }
  p.drawImage(QPoint(0, 0), WrapAsQImage(drawing_));
  if (banding_ && band_.isValid()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(band_.adjusted(0, 0, -1, -1));
  }
}

void FreeLayoutCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The items' pixels follow from their stored units: nothing is read again.
  Redraw();
}

bool FreeLayoutCanvas::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &frame_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) FitToFrame();
  return QWidget::eventFilter(watched, event);
}

void FreeLayoutCanvas::FitToFrame() {
  const int w = std::max(1, frame_.width() - kFrameMargin);
  const int h = std::max(1, w / 2);
  setGeometry((frame_.width() - w) / 2, frame_.height() / 2 - h / 2, w, h);
}

void FreeLayoutCanvas::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const QPoint pos = event->position().toPoint();
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const bool right = event->button() == Qt::RightButton;
  const int index = ItemAt(items_, scale(), pos.x(), pos.y());
  currentIndex_ = index;
  if (index < 0) {
    pastePoint_ = pos;
    banding_ = event->button() == Qt::LeftButton;
    band_ = QRect();
    pressPos_ = pos;
    SelectAll(items_, false);
    Redraw();
    return;
  }
  FreeLayoutItem& item = items_[index];
  if (ctrl && !right) {
    item.selected = !item.selected;
  } else if (!item.selected) {
    SelectOnly(items_, index);
  }
  if (event->button() == Qt::LeftButton && !ctrl) {
    pressKind_ = KindOf(item, IsPicturePathValue(item.value) && FileExists(item.value));
    const CanvasRect shown = ShownRect(item, scale());
    dragKind_ = DragKindAt(shown, pos.x() - shown.left, pos.y() - shown.top);
    dragging_ = !(dragKind_ == DragKind::kMove && movesLocked_);
    dragMoved_ = false;
    pressPos_ = pos;
    beforeDrag_ = items_;
    if (dragKind_ == DragKind::kMove) {
      dragStarts_ = SelectedRects(items_, scale());
    } else {
      dragStarts_ = {{index, ItemPixelRect(item, scale()), item.x, item.y}};
    }
    // The layers are drawn now, so that no move of the drag draws the tab.
    if (dragging_) {
      StartDragLayers();
      update();
      return;
    }
  }
  Redraw();
}

void FreeLayoutCanvas::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (dragging_) {
    DragTo(pos, event->modifiers());
  } else if (banding_) {
    BandTo(pos);
  } else {
    UpdateCursor(pos);
  }
}

void FreeLayoutCanvas::DragTo(const QPoint& pos, Qt::KeyboardModifiers) {
  const int dx = pos.x() - pressPos_.x();
  const int dy = pos.y() - pressPos_.y();
  if (!dragMoved_) {
    if (dx == 0 && dy == 0) return;
    dragMoved_ = true;
  }
  const LayoutScale s = scale();
  if (dragKind_ == DragKind::kMove) {
    const DragStart* pressed = nullptr;
    for (const DragStart& start : dragStarts_) {
      if (start.index == currentIndex_) pressed = &start;
    }
    if (pressed == nullptr) return;
    CanvasRect target = pressed->rect;
    target.left += dx;
    target.top += dy;
    const CanvasRect now = ItemPixelRect(items_[currentIndex_], s);
    // The group rule looks at the way this step goes from where the items are.
    if (!MoveAllowed(target, s) || GroupMoveRefused(items_, s, target.left - now.left, target.top - now.top)) {
      return;
    }
    MoveItems(items_, dragStarts_, dx, dy, s);
  } else {
    const DragStart& start = dragStarts_.front();
    FreeLayoutItem& item = items_[start.index];
    const int baseWidth = item.baseWidth;
    const int baseHeight = item.baseHeight;
    FreeLayoutItem sized = item;
    sized.x = start.x;
    sized.y = start.y;
    ApplyPixelRect(sized, ResizedRect(start.rect, dragKind_, dx, dy), s);
    sized.baseWidth = baseWidth;
    sized.baseHeight = baseHeight;
    item = sized;
  }
  const QRect dirty = DragDirtyRect();
  update(dirty | lastDirty_);
  lastDirty_ = dirty;
}

void FreeLayoutCanvas::BandTo(const QPoint& pos) {
  if (std::abs(pos.x() - pressPos_.x()) <= kBandThreshold || std::abs(pos.y() - pressPos_.y()) <= kBandThreshold) {
    return;
  }
  band_ = QRect(pressPos_, pos).normalized();
  const int first = SelectInBand(items_, scale(), {band_.left(), band_.top(), band_.width(), band_.height()});
  if (first >= 0) currentIndex_ = first;
  Redraw();
}

void FreeLayoutCanvas::mouseReleaseEvent(QMouseEvent* event) {
  const bool right = event->button() == Qt::RightButton;
  const bool ctrl = event->modifiers() & Qt::ControlModifier;
  const QPoint global = event->globalPosition().toPoint();
  if (dragging_) {
    EndDrag();
  } else if (banding_ || currentIndex_ < 0) {
    banding_ = false;
    band_ = QRect();
    if (selectKindPending_) {
      std::vector<ItemKind> kinds;
      for (const FreeLayoutItem& item : items_) {
        kinds.push_back(KindOf(item, IsPicturePathValue(item.value) && FileExists(item.value)));
      }
      SelectKind(items_, kinds, pressKind_);
      pressKind_ = ItemKind::kAll;
      selectKindPending_ = false;
    }
    Redraw();
    if (right) emit canvasMenuRequested(global);
    return;
  }
  if (currentIndex_ >= 0 && !dragMoved_ && !ctrl && !right) SelectOnly(items_, currentIndex_);
  dragMoved_ = false;
  Redraw();
  if (right && currentIndex_ >= 0) emit itemMenuRequested(currentIndex_, global);
}

void FreeLayoutCanvas::EndDrag() {
  dragging_ = false;
  const bool moved = dragMoved_;
  stillLayer_ = Bitmap();
  movingLayer_ = Bitmap();
  if (moved) {
    Commit(beforeDrag_);
  }
  beforeDrag_.clear();
  Redraw();
  dragMoved_ = moved;  // the release keeps the selection of a moved group
}

void FreeLayoutCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int index = ItemAt(items_, scale(), pos.x(), pos.y());
  if (index < 0) {
    selectKindPending_ = true;
    return;
  }
  dragging_ = false;
  stillLayer_ = Bitmap();
  movingLayer_ = Bitmap();
  emit itemActivated(index);
}

void FreeLayoutCanvas::UpdateCursor(const QPoint& pos) {
  const int index = ItemAt(items_, scale(), pos.x(), pos.y());
  if (index < 0) {
    unsetCursor();
    return;
  }
  const CanvasRect shown = ShownRect(items_[index], scale());
  switch (DragKindAt(shown, pos.x() - shown.left, pos.y() - shown.top)) {
    case DragKind::kResizeBoth: setCursor(Qt::SizeFDiagCursor); break;
    case DragKind::kResizeWidth: setCursor(Qt::SizeHorCursor); break;
    case DragKind::kResizeHeight: setCursor(Qt::SizeVerCursor); break;
    case DragKind::kMove: movesLocked_ ? unsetCursor() : setCursor(Qt::SizeAllCursor); break;
  }
}

bool FreeLayoutCanvas::IsEditingKey(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Delete:
      return true;
    default:
      break;
  }
  return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
         event.matches(QKeySequence::SelectAll) ||
         (event.key() == Qt::Key_Y && (event.modifiers() & Qt::ControlModifier));
}

// The window has shortcuts of its own on some of these keys (the calendar's
// day keys); while the canvas has the focus, they edit the items.
bool FreeLayoutCanvas::event(QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride && IsEditingKey(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void FreeLayoutCanvas::keyPressEvent(QKeyEvent* event) {
  // A drag holds indices into the list: the keys wait until it ends.
  if (dragging_ || banding_) return;
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  if (event->matches(QKeySequence::Undo)) {
    Undo();
  } else if (event->matches(QKeySequence::Redo) ||
             (event->key() == Qt::Key_Y && (event->modifiers() & Qt::ControlModifier))) {
    Redo();
  } else if (event->matches(QKeySequence::SelectAll)) {
    SelectAll(items_);
    Redraw();
  } else if (event->key() == Qt::Key_Delete) {
    if (SelectedCount(items_) > 0) Edit([](auto& items) { DeleteSelected(items); });
  } else if (event->key() == Qt::Key_Left) {
    Nudge(-1, 0, shift);
  } else if (event->key() == Qt::Key_Right) {
    Nudge(1, 0, shift);
  } else if (event->key() == Qt::Key_Up) {
    Nudge(0, -1, shift);
  } else if (event->key() == Qt::Key_Down) {
    Nudge(0, 1, shift);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void FreeLayoutCanvas::Nudge(int dx, int dy, bool resize) {
  if (SelectedCount(items_) == 0) return;
  const LayoutScale s = scale();
  if (!resize && (movesLocked_ || GroupMoveRefused(items_, s, dx, dy))) return;
  Edit([&](std::vector<FreeLayoutItem>& items) { NudgeSelected(items, dx, dy, resize, s); });
}

void FreeLayoutCanvas::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) event->acceptProposedAction();
}

void FreeLayoutCanvas::dropEvent(QDropEvent* event) {
  const QPoint point = event->position().toPoint();
  pastePoint_ = point;
  QStringList files;
  for (const std::string& file : LocalFilesOf(*event->mimeData())) files << ToQString(file);
  const QString text = files.isEmpty() ? event->mimeData()->text() : QString();
  if (files.isEmpty() && text.isEmpty()) return;
  event->acceptProposedAction();
  emit dropped(files, text, point);
}

}  // namespace lumidex
