#include "images/ui/actual_size_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cstdlib>

#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "images/actual_copy.h"
#include "images/card_picture.h"
#include "images/scaling.h"
#include "images/thread_pool.h"
#include "images/ui/bitmap_bridge.h"

namespace lumidex {
namespace {

// A right drag zooms one step per this many pixels (more than, not equal).
constexpr int kZoomDragStep = 16;
// While panning the picture is drawn on every ninth move; the navigator
// follows every move. A drag inside the navigator jumps on every fifth.
constexpr int kPanDrawEvery = 9;
constexpr int kJumpEvery = 5;
// The arrow keys pan by this many source pixels.
constexpr int kKeyPanStep = 32;

}  // namespace

ActualSizeWidget::ActualSizeWidget(const ShellImages& shell, QWidget* parent)
    : QWidget(parent), shell_(shell), decoder_(std::make_unique<ThreadPool>(1)) {
  setObjectName(QStringLiteral("ActualSizeView"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  hide();
}

ActualSizeWidget::~ActualSizeWidget() {
  newest_ = UINT64_MAX;  // queued decodes are skipped
  decoder_.reset();
}

PixelSize ActualSizeWidget::region() const {
  const QWidget* area = parentWidget();
  return area != nullptr ? PixelSize{area->width(), area->height()} : PixelSize{width(), height()};
}

void ActualSizeWidget::Open(const std::string& path) {
  path_ = path;
  pan_ = panStart_ = {};
  navigatorShown_ = panning_ = leftHeld_ = zoomDragging_ = false;
  BlurOff();
  const uint64_t id = ++newest_;
  const std::string extension = ExtensionOf(path);
  const CardPictureSource source = CardPictureSourceFor(extension);
  if (path.empty() || !FileExists(path) || source == CardPictureSource::kIcon) {
    Post(id, Status::NotFound(path));
    return;
  }
  if (source == CardPictureSource::kShell || source == CardPictureSource::kGif) {
    // The desktop's pictures may only be asked for on this thread.
    const PixelSize area = region();
    Result<CardPicture> card = LoadCardPicture({path, area.width, area.height, window_, kWhite}, shell_);
    if (card.ok()) {
      Post(id, std::move(card.value().bitmap));
    } else {
      Post(id, card.status());
    }
    return;
  }
  const Colour colour = window_;
  decoder_->Submit([this, id, path, colour] {
    if (id != newest_) return;  // replaced before it began
    Post(id, LoadActualCopy(path, colour));
  });
}

void ActualSizeWidget::Close() {
  ++newest_;
  copy_ = Bitmap();
  view_ = Bitmap();
  navigatorShown_ = panning_ = leftHeld_ = zoomDragging_ = false;
  hide();
}

// Any thread: keeps the newest result and has the view take it.
void ActualSizeWidget::Post(uint64_t id, Result<Bitmap> copy) {
  {
    std::lock_guard<std::mutex> lock(mailboxMutex_);
    mailbox_.emplace(id, std::move(copy));
  }
  QMetaObject::invokeMethod(this, &ActualSizeWidget::TakeDecoded, Qt::QueuedConnection);
}

void ActualSizeWidget::TakeDecoded() {
  std::optional<std::pair<uint64_t, Result<Bitmap>>> taken;
  {
    std::lock_guard<std::mutex> lock(mailboxMutex_);
    taken.swap(mailbox_);
  }
  if (!taken || taken->first != newest_) return;
  if (!taken->second.ok()) {
    copy_ = Bitmap();
    hide();
    return;
  }
  Accept(std::move(taken->second).value());
}

// The new copy: navigator made, zoom 1.0, drawn at (0, 0).
void ActualSizeWidget::Accept(Bitmap copy) {
  copy_ = std::move(copy);
  nav_ = NavigatorSize(copySize());
  navigator_ = ScaleAreaAverage(copy_, nav_.width, nav_.height);
  step_ = 0;
  Relayout();
  show();
  raise();
}

void ActualSizeWidget::Relayout() {
  if (copy_.empty()) return;
  LayOut();
  DrawView();
  if (navigatorShown_) DrawNavigator();
}

// The widget covers the region; the view bitmap takes the zoomed size.
void ActualSizeWidget::LayOut() {
  const PixelSize area = region();
  setGeometry(0, 0, area.width, area.height);
  const PixelSize size = LayoutZoomed(copySize(), step_, area);
  if (view_.width() != size.width || view_.height() != size.height) view_ = Bitmap::Create(size.width, size.height);
  update();
}

void ActualSizeWidget::ZoomStep(bool in) {
  step_ = NextZoomStep(step_, in);
  ApplyZoom();
}

void ActualSizeWidget::ResetZoom() {
  step_ = 0;
  ApplyZoom();
}

void ActualSizeWidget::ApplyZoom() {
  if (copy_.empty()) return;
  BlurOff();
  LayOut();
  pan_ = PanAfterZoom(zoom(), copySize(), region());
  panStart_ = pan_;
  DrawView();
  if (navigatorShown_) DrawNavigator();
}

void ActualSizeWidget::BlurOff() {
  if (!blur_) return;
  blur_ = false;
  emit blurSwitchedOff();
}

void ActualSizeWidget::SetBlur(bool on) {
  blur_ = on;
  DrawView();
  if (navigatorShown_) DrawNavigator();
}

void ActualSizeWidget::ChangeBlurLevel(bool up) {
  const int level = std::clamp(blurLevel_ + (up ? 1 : -1), kMinBlurLevel, kMaxBlurLevel);
  if (level == blurLevel_) return;
  blurLevel_ = level;
  DrawView();
}

// The visible part onto the whole view, blurred unless the left button is
// held (a drag stays quick; the blur comes with the release).
void ActualSizeWidget::DrawView() {
  if (copy_.empty() || view_.empty()) return;
  DrawZoomed(copy_, zoom(), window_, view_);
  if (blur_ && !leftHeld_) {
    setCursor(Qt::WaitCursor);
    Blur(view_, blurLevel_, progress_);
    unsetCursor();
  }
  update();
}

// The navigator over the view's top left corner: the whole picture, a black
// frame, a white inner line at its right and bottom, and the dotted outline
// of the visible part. Nothing when the whole picture fits.
void ActualSizeWidget::DrawNavigator() {
  if (view_.empty() || !NeedsScrolling(zoom(), copySize(), region())) return;
  // Painted straight into the view's pixels (a QImage over const data would
  // detach and leave the view unchanged), so "ビューサイズ" saves it too.
  QImage target(view_.data(), view_.width(), view_.height(), static_cast<qsizetype>(view_.stride()),
                QImage::Format_RGB32);
  QPainter p(&target);
  p.drawImage(QPoint(0, 0), WrapAsQImage(navigator_));
  p.setPen(Qt::black);
  p.setBrush(Qt::NoBrush);
  p.drawRect(0, 0, nav_.width, nav_.height);
  p.setPen(Qt::white);
  p.drawPolyline(QPolygon({QPoint(nav_.width - 2, 2), QPoint(nav_.width - 2, nav_.height - 2),
                           QPoint(2, nav_.height - 2)}));
  const PixelRect outline = NavigatorOutline(zoom(), copySize(), nav_);
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.drawRect(outline.x, outline.y, outline.width, outline.height);
  p.end();
  update();
}

bool ActualSizeWidget::InNavigator(QPoint at) const {
  return at.x() <= nav_.width && at.y() <= nav_.height;
}

// Jumps unless the point lies beyond the navigator; without `force` only
// every fifth call moves the view (the others report true at once).
bool ActualSizeWidget::JumpTo(QPoint at, bool force) {
  if (!InNavigator(at)) return false;
  if (!force && ++jumpCount_ % kJumpEvery != 0) return true;
  const std::optional<Pan> pan = NavigatorJump(at.x(), at.y(), zoom(), copySize(), nav_);
  if (!pan) return false;
  pan_ = panStart_ = *pan;
  DrawView();
  return true;
}

void ActualSizeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(window_ & 0xFF, (window_ >> 8) & 0xFF, (window_ >> 16) & 0xFF));
  if (!view_.empty()) p.drawImage(QPoint(0, 0), WrapAsQImage(view_));
}

void ActualSizeWidget::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::RightButton) {
    zoomDragging_ = true;
    dragStart_.setX(at.x());
    setCursor(Qt::CrossCursor);
    return;
  }
  if (event->button() != Qt::LeftButton || copy_.empty()) return;
  leftHeld_ = true;
  dragStart_ = at;
  if (!navigatorShown_) {
    DrawNavigator();
    navigatorShown_ = true;
    setCursor(Qt::PointingHandCursor);
  } else if (JumpTo(at, true)) {
    DrawNavigator();
    return;
  }
  if (NeedsScrolling(zoom(), copySize(), region())) {
    panning_ = true;
    setCursor(Qt::SizeAllCursor);
  }
}

void ActualSizeWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (zoomDragging_) {
    if (!(event->buttons() & Qt::RightButton)) {
      zoomDragging_ = false;
      unsetCursor();
    } else if (std::abs(at.x() - dragStart_.x()) > kZoomDragStep) {
      ZoomStep(at.x() > dragStart_.x());
      dragStart_.setX(at.x());
    }
    return;
  }
  if (panning_) {
    pan_ = ClampPan({panStart_.x + dragStart_.x() - at.x(), panStart_.y + dragStart_.y() - at.y()}, zoom(),
                    copySize());
    if (++moveCount_ % kPanDrawEvery == 0) DrawZoomed(copy_, zoom(), window_, view_);
    DrawNavigator();
    update();
    return;
  }
  if (!InNavigator(at)) {
    unsetCursor();
  } else if (navigatorShown_) {
    setCursor(Qt::PointingHandCursor);
    if (leftHeld_ && JumpTo(at, false)) DrawNavigator();
  } else {
    setCursor(Qt::UpArrowCursor);
  }
}

void ActualSizeWidget::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (zoomDragging_) unsetCursor();
  zoomDragging_ = false;
  leftHeld_ = false;
  if (panning_ && !InNavigator(at)) {
    DrawView();  // again without the navigator, blurred if due
    navigatorShown_ = false;
  }
  if (event->button() != Qt::LeftButton) return;
  if (InNavigator(at) && navigatorShown_) {
    DrawView();
    DrawNavigator();
  }
  panning_ = false;
  panStart_ = pan_;
  unsetCursor();
}

void ActualSizeWidget::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta != 0) ZoomStep(delta < 0);
  event->accept();
}

void ActualSizeWidget::keyPressEvent(QKeyEvent* event) {
  Pan pan = pan_;
  switch (event->key()) {
    case Qt::Key_Left: pan.x -= kKeyPanStep; break;
    case Qt::Key_Right: pan.x += kKeyPanStep; break;
    case Qt::Key_Up: pan.y -= kKeyPanStep; break;
    case Qt::Key_Down: pan.y += kKeyPanStep; break;
    default: QWidget::keyPressEvent(event); return;
  }
  if (copy_.empty() || !NeedsScrolling(zoom(), copySize(), region())) return;
  pan_ = panStart_ = ClampPan(pan, zoom(), copySize());
  DrawView();
  if (navigatorShown_) DrawNavigator();
}

Result<Bitmap> ActualSizeWidget::EnlargedPicture(bool fullSize) {
  Result<Bitmap> picture = fullSize ? FullSizeEnlarged(copy_, step_) : Result<Bitmap>(view_.Clone());
  if (!picture.ok() || picture.value().empty()) return Status::Error("保存に失敗しました。");
  if (blur_) Blur(picture.value(), blurLevel_, progress_);
  return picture;
}

}  // namespace lumidex
