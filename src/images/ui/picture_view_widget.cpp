#include "images/ui/picture_view_widget.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "images/fit_to_box.h"
#include "images/latest_picture_loader.h"
#include "images/scaling.h"
#include "images/shell_images.h"
#include "images/ui/bitmap_bridge.h"
#include "images/ui/close_mark.h"
#include "platform/ui/control_hint.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

const QColor kLightGrey(0xC0, 0xC0, 0xC0);
const QColor kGrey(0x80, 0x80, 0x80);
constexpr int kCloseMarkSize = 16;
constexpr int kHeaderFontPoints = 12;
// Icons, and every transition frame, are drawn one pixel below the box.
constexpr int kFrameDrop = 1;

QRect ToQRect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

// `text` with its top left at (x, y), as the header is laid out.
void DrawTextAt(QPainter& p, int x, int y, const QString& text, const QColor& colour) {
  p.setPen(colour);
  p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

// Only a JPEG is certain to hold no transparency that the window colour
// shows through (or an icon mask that the mode decides).
bool DependsOnColours(const std::string& path) {
  const std::string extension = ExtensionOf(path);
  return extension != ".jpg" && extension != ".jpeg";
}

}  // namespace

PictureViewWidget::PictureViewWidget(const ShellImages& shell, QWidget* parent)
    : QWidget(parent), shell_(shell) {
  setObjectName(QStringLiteral("Image2"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  stepTimer_ = new QTimer(this);
  stepTimer_->setSingleShot(true);
  connect(stepTimer_, &QTimer::timeout, this, &PictureViewWidget::Step);
  // The worker only reads the types the album decodes itself; the desktop
  // is asked on this thread (see Request).
  loader_ = std::make_unique<LatestPictureLoader>(
      NoShellImages(),
      [this](uint64_t id, Result<CardPicture> picture) { Post(id, std::move(picture)); });
}

PictureViewWidget::~PictureViewWidget() {
  // Joins the worker before anything it posts to is gone; results already
  // posted are discarded with this object's pending events.
  loader_.reset();
}

void PictureViewWidget::SetWindowColour(Colour colour) {
  if (colour == window_) return;
  window_ = colour;
  ReadAgainForColours();
  Redraw();
}

void PictureViewWidget::SetStretch(bool stretch) {
  stretch_ = stretch;
  Redraw();
}

void PictureViewWidget::SetHighQuality(bool highQuality) {
  highQuality_ = highQuality;
  Redraw();
}

void PictureViewWidget::SetFullScreen(bool fullScreen) {
  if (fullScreen == fullScreen_) return;
  fullScreen_ = fullScreen;
  ReadAgainForColours();  // an icon's mask shows the window colour now, or white
  Redraw();
}

void PictureViewWidget::SetCloseMarkShown(bool shown) {
  closeMark_ = shown;
  update();
}

void PictureViewWidget::SetBackHintShown(bool shown) {
  backHint_ = shown;
  if (!shown) SetHint(this, QString());
}

void PictureViewWidget::SetSlideHeader(const SlideHeader& header) {
  header_ = header;
  update();
}

void PictureViewWidget::ShowPicture(const std::string& path) {
  if (transitionRunning()) CutTransitionShort();
  slideShownDue_ = false;
  path_ = path;
  Request(false, TransitionEffect::kNormal);
}

void PictureViewWidget::ShowSlide(const std::string& path, TransitionEffect effect,
                                  const SlideHeader& header) {
  if (transitionRunning()) CutTransitionShort();
  path_ = path;
  header_ = header;
  slideShownDue_ = true;
  Request(true, effect);
}

void PictureViewWidget::EndShow() {
  stepTimer_->stop();
  if (transitionRunning()) {
    transition_->Finish();
    update();
  }
  previousFrame_ = Bitmap();
  if (pending_) pending_->slide = false;
  FinishSlide();
}

void PictureViewWidget::Clear() {
  stepTimer_->stop();
  loader_->Cancel();
  {
    std::lock_guard<std::mutex> lock(mailboxMutex_);
    mailbox_.reset();
  }
  pending_.reset();
  transition_.reset();
  previousFrame_ = Bitmap();
  slideShownDue_ = false;
  path_.clear();
  exists_ = false;
  picture_.reset();
  ++generation_;
  decodedForWidth_ = decodedForHeight_ = 0;
  update();
}

bool PictureViewWidget::transitionRunning() const {
  return transition_ != nullptr && !transition_->finished();
}

// Asks for the current picture for the current picture box. The answer
// always arrives through the mailbox, also when it is known at once, so
// that slideShown() is never emitted from inside ShowSlide.
void PictureViewWidget::Request(bool slide, TransitionEffect effect) {
  const CardGeometry g = CardGeometryFor(width(), height());
  exists_ = !path_.empty() && FileExists(path_);
  Pending pending{0, slide, effect, g.pictureBox.width, g.pictureBox.height};
  if (!exists_ || !g.hasPictureBox) {
    loader_->Cancel();
    pending_ = pending;
    Post(0, Status::NotFound(path_));
    return;
  }
  CardPictureRequest request{path_, g.pictureBox.width, g.pictureBox.height, window_,
                             fullScreen_ ? window_ : kWhite};
  const CardPictureSource source = CardPictureSourceFor(ExtensionOf(path_));
  if (source == CardPictureSource::kShell || source == CardPictureSource::kGif) {
    // The desktop's pictures may only be asked for on this thread.
    loader_->Cancel();
    pending_ = pending;
    Post(0, LoadCardPicture(request, shell_));
    return;
  }
  pending.id = loader_->Request(std::move(request));
  pending_ = pending;
}

// Any thread: keeps the newest result and has the view take it.
void PictureViewWidget::Post(uint64_t id, Result<CardPicture> picture) {
  {
    std::lock_guard<std::mutex> lock(mailboxMutex_);
    mailbox_.emplace(id, std::move(picture));
  }
  QMetaObject::invokeMethod(this, &PictureViewWidget::TakeDecoded, Qt::QueuedConnection);
}

void PictureViewWidget::TakeDecoded() {
  std::optional<std::pair<uint64_t, Result<CardPicture>>> taken;
  {
    std::lock_guard<std::mutex> lock(mailboxMutex_);
    taken.swap(mailbox_);
  }
  // A result of a request that was replaced meanwhile is dropped.
  if (!taken || !pending_ || taken->first != pending_->id) return;
  const Pending pending = *pending_;
  pending_.reset();
  Accept(std::move(taken->second), pending);
}

void PictureViewWidget::Accept(Result<CardPicture> picture, const Pending& pending) {
  picture_.reset();
  if (picture.ok()) picture_ = std::move(picture).value();
  ++generation_;
  decodedForWidth_ = pending.boxWidth;
  decodedForHeight_ = pending.boxHeight;
  const CardGeometry g = CardGeometryFor(width(), height());
  if (pending.slide && pending.effect != TransitionEffect::kNormal && exists_ && g.hasPictureBox) {
    StartTransition(pending.effect);
    return;
  }
  // A picture read again for a new size leaves a running transition alone.
  if (!transitionRunning()) transition_.reset();
  update();
  if (pending.slide) FinishSlide();
}

void PictureViewWidget::StartTransition(TransitionEffect effect) {
  const CardGeometry g = CardGeometryFor(width(), height());
  // On the card the box is white like its face; full screen it is the
  // background itself.
  const Colour background = fullScreen_ ? window_ : kWhite;
  Bitmap next;
  if (picture_) {
    const FittedBox place = PlacePicture(g);
    next = TransitionTarget(ScaledPicture(g, place), place, g.pictureBox.width, g.pictureBox.height,
                            background);
  } else {
    next = TransitionTarget(Bitmap(), FittedBox{}, g.pictureBox.width, g.pictureBox.height,
                            background);
  }
  transition_ =
      std::make_unique<Transition>(effect, std::move(next), std::move(previousFrame_), window_);
  previousFrame_ = Bitmap();
  Step();
}

// One frame; the timer brings the next. Entered only from the timer and
// from StartTransition, never from inside itself.
void PictureViewWidget::Step() {
  if (!transitionRunning()) return;
  const int wait = transition_->Advance();
  update();
  if (!transition_->finished()) {
    stepTimer_->start(wait);
    return;
  }
  previousFrame_ = transition_->TakeNext();
  FinishSlide();
}

// Another picture comes while a transition runs: its picture is drawn
// fully and becomes the previous frame.
void PictureViewWidget::CutTransitionShort() {
  stepTimer_->stop();
  transition_->Finish();
  previousFrame_ = transition_->TakeNext();
  update();
}

// Last in every path that calls it: the receiver may call back into the view.
void PictureViewWidget::FinishSlide() {
  if (!slideShownDue_) return;
  slideShownDue_ = false;
  emit slideShown();
}

void PictureViewWidget::ReadAgainForColours() {
  if (path_.empty() || !DependsOnColours(path_)) return;
  if (pending_) {
    Request(pending_->slide, pending_->effect);
  } else if (exists_) {
    Request(false, TransitionEffect::kNormal);
  }
}

// A changed setting: the view is drawn anew, unless a transition is under
// way, which goes on with its own frames.
void PictureViewWidget::Redraw() {
  if (!transitionRunning()) transition_.reset();
  update();
}

FittedBox PictureViewWidget::PlacePicture(const CardGeometry& g) const {
  return FitToBox(g.pictureBox.width, g.pictureBox.height, stretch_, picture_->width,
                  picture_->height);
}

// The picture at the size it is drawn: area averaging when "高画質" is on
// and the picture is enlarged ("ストレッチ") or larger than the card,
// compared by width plus height of the picture's own size; else the plain
// stretch. Kept until the picture, the size or the quality changes.
const Bitmap& PictureViewWidget::ScaledPicture(const CardGeometry& g, const FittedBox& place) {
  const bool large = (g.cw + g.ch) < (picture_->width + picture_->height);
  const bool highQuality = highQuality_ && (stretch_ || large);
  if (scaled_.generation != generation_ || scaled_.width != place.width ||
      scaled_.height != place.height || scaled_.highQuality != highQuality) {
    const Bitmap& source = picture_->bitmap;
    scaled_.bitmap = highQuality ? ScaleAreaAverage(source, place.width, place.height)
                                 : ScaleNearest(source, place.width, place.height);
    scaled_.generation = generation_;
    scaled_.width = place.width;
    scaled_.height = place.height;
    scaled_.highQuality = highQuality;
  }
  return scaled_.bitmap;
}

void PictureViewWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), ToQColor(window_));
  QFont font = p.font();
  font.setPointSize(kHeaderFontPoints);
  p.setFont(font);
  const CardGeometry g = CardGeometryFor(width(), height());
  if (exists_ && g.hasPictureBox) {
    if (!fullScreen_) DrawCard(p, g);
    const PixelRect& box = g.pictureBox;
    if (transition_ != nullptr && !transition_->frame().empty()) {
      const Bitmap& frame = transition_->frame();
      p.drawImage(
          QPoint(box.x, box.y + kFrameDrop), WrapAsQImage(frame),
          QRect(0, 0, std::min(frame.width(), box.width), std::min(frame.height(), box.height)));
      const TransitionFrame& shown = transition_->shown();
      DrawSlideHeader(p, g.x0 + shown.headerDx, g.y0 + g.ch + shown.headerDy);
    } else {
      if (picture_) {
        const FittedBox place = PlacePicture(g);
        const Bitmap& scaled = ScaledPicture(g, place);
        p.drawImage(
            QPoint(box.x + place.left, box.y + place.top + (picture_->icon ? kFrameDrop : 0)),
            WrapAsQImage(scaled));
      }
      DrawSlideHeader(p, g.x0 + 10, g.y0 + g.ch - 20);
    }
  }
  if (closeMark_) {
    DrawCloseMark(p, QRect(width() - kCloseMarkSize, 1, kCloseMarkSize, kCloseMarkSize));
  }
}

// Three light grey shadow lines below and at the right, the white face
// with a grey outline, its left and top edges again in light grey.
void PictureViewWidget::DrawCard(QPainter& p, const CardGeometry& g) const {
  for (int k = 0; k < 3; ++k) {
    p.fillRect(QRect(g.x0 + 3, g.y0 + g.ch + k, g.cw, 1), kLightGrey);
    p.fillRect(QRect(g.x0 + g.cw + k, g.y0 + 3, 1, g.ch), kLightGrey);
  }
  const QRect card = ToQRect(g.card());
  p.fillRect(card, Qt::white);
  p.setPen(kGrey);
  p.setBrush(Qt::NoBrush);
  p.drawRect(card.adjusted(0, 0, -1, -1));
  p.fillRect(QRect(g.x0, g.y0, 1, g.ch + 1), kLightGrey);
  p.fillRect(QRect(g.x0, g.y0, g.cw, 1), kLightGrey);
}

// Full screen only: the day and the slide's number (and sub-album) at the
// top left, then the caption at (x, y), moved up above the music strip
// when it would reach it; each text in black one pixel down and right,
// then in white.
void PictureViewWidget::DrawSlideHeader(QPainter& p, int x, int y) const {
  if (!fullScreen_ || header_.slideDay.isEmpty()) return;
  const int tw = p.fontMetrics().horizontalAdvance(header_.slideDay);
  const QString number = QStringLiteral("> ") + QString::number(header_.position + 1) +
                         QStringLiteral(" ") + header_.subAlbumName;
  DrawTextAt(p, 6, 6, header_.slideDay, Qt::black);
  DrawTextAt(p, tw + 21, 6, number, Qt::black);
  DrawTextAt(p, 5, 5, header_.slideDay, Qt::white);
  DrawTextAt(p, tw + 20, 5, number, Qt::white);
  if (!header_.captionShown) return;
  const int limit = height() - header_.bottomReserve - 16;
  if (y > limit) y = limit - 10;
  DrawTextAt(p, x + 1, y + 1, header_.caption, Qt::black);
  DrawTextAt(p, x, y, header_.caption, Qt::white);
}

void PictureViewWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!transitionRunning()) transition_.reset();
  const CardGeometry g = CardGeometryFor(width(), height());
  if (pending_) {
    if (pending_->boxWidth != g.pictureBox.width || pending_->boxHeight != g.pictureBox.height) {
      Request(pending_->slide, pending_->effect);
    }
  } else if (!path_.empty() &&
             (decodedForWidth_ != g.pictureBox.width || decodedForHeight_ != g.pictureBox.height)) {
    // A picture made for the old box (a reduced JPEG, the desktop's) is read
    // again; one read at its own size is only scaled anew.
    if (!picture_ || picture_->fittedToCard) Request(false, TransitionEffect::kNormal);
  }
  update();
}

void PictureViewWidget::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (backHint_) {
    const bool corner = at.x() > width() - kCloseMarkSize && at.y() < kCloseMarkSize;
    const QString hint = corner ? QStringLiteral("クリックで戻る") : QString();
    if (hint != toolTip()) SetHint(this, hint);
  }
  emit pointerMoved(at);
}

void PictureViewWidget::mouseReleaseEvent(QMouseEvent* event) { emit released(event->button()); }

void PictureViewWidget::wheelEvent(QWheelEvent* event) {
  emit wheelTurned(event->angleDelta().y());
}

}  // namespace lumidex
