#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "foundation/colour.h"
#include "foundation/status.h"
#include "images/bitmap.h"
#include "images/card_geometry.h"
#include "images/card_picture.h"
#include "images/transitions.h"

class QTimer;

namespace lumidex {

class LatestPictureLoader;
class ShellImages;

// The texts the full-screen view writes over a slide: the slide's day and
// number with the open sub-album's name at the top left, and the entry's
// comment near the picture's bottom left.
struct SlideHeader {
  QString slideDay;           // "yyyy/mm/dd"; nothing is written while empty
  int position = 0;           // the entry's index; written as position + 1
  QString subAlbumName;       // the open sub-album, or empty
  QString caption;            // the entry's comment as stored
  bool captionShown = false;  // false while the page list follows the show
  int bottomReserve = 0;      // height of the music strip below the view
};

// The picture view `Image2`: one picture shown large, as a print on a white
// card with a shadow in a bordered window, or straight on the dark
// background in full-screen mode, fitted into the card's picture box
// (enlarged only with "ストレッチ", scaled with high quality when "高画質" is
// on and the picture is enlarged or larger than the card). It also plays the
// slide show's transitions between pictures.
//
// Pictures are decoded off the main thread for the current picture box, the
// newest request winning; a camera JPEG only as large as the box needs, and
// read again when the box changes size. Until a picture arrives the view
// keeps showing what it showed. Files of the types the desktop draws (and
// GIFs, which ask the desktop first) are read on the main thread, as the
// desktop's pictures may only be asked for there.
//
// Transitions are paced by a timer, never by waiting; each frame works on
// bitmaps of the picture box's size only. Main thread only; `shell` must
// outlive the view.
class PictureViewWidget : public QWidget {
  Q_OBJECT

 public:
  explicit PictureViewWidget(const ShellImages& shell, QWidget* parent = nullptr);
  ~PictureViewWidget() override;

  // The background colour (0x00BBGGRR), which transparent pictures are
  // laid over too.
  void SetWindowColour(Colour colour);
  // "ストレッチ": a picture smaller than the box is enlarged to it.
  void SetStretch(bool stretch);
  // "高画質": enlarged and large pictures are scaled with area averaging.
  void SetHighQuality(bool highQuality);
  // Full-screen mode: no card; the slide header is written.
  void SetFullScreen(bool fullScreen);
  // Whether the 16 x 16 close mark is drawn at the top right.
  void SetCloseMarkShown(bool shown);
  // Whether the pointer in the top right 16 x 16 corner shows the hint
  // "クリックで戻る" (while a container or folder is shown).
  void SetBackHintShown(bool shown);
  // The texts written over the picture in full-screen mode.
  void SetSlideHeader(const SlideHeader& header);

  // Shows `path` at once, without a transition; the view keeps what it
  // shows until the picture is decoded. An empty path or a missing file
  // shows the background only, a file that cannot be read an empty card.
  // A slide still on its way is replaced and gets no slideShown().
  void ShowPicture(const std::string& path);
  // Shows the slide show's picture `path` with `effect` ("Normal" draws at
  // once) and `header`. Emits slideShown() once the picture is fully drawn,
  // after its transition; a missing or unreadable file counts as drawn. A
  // running transition is ended first with its picture fully drawn, and
  // that slide gets no slideShown().
  void ShowSlide(const std::string& path, TransitionEffect effect, const SlideHeader& header);
  // The show stopped: a running transition ends at once with its picture
  // fully drawn, a slide still being decoded will be drawn without one, and
  // the previous frame is discarded, so the next show starts from the
  // window colour. A slide whose slideShown() was due gets it now, before
  // EndShow returns, never later.
  void EndShow();
  // Leaves the view: no current picture, no previous frame, nothing under
  // way; no slideShown() for a slide on its way.
  void Clear();

  const std::string& currentPicture() const { return path_; }
  bool transitionRunning() const;

 signals:
  // The picture of the last ShowSlide is fully drawn.
  void slideShown();
  void released(Qt::MouseButton button);
  void pointerMoved(QPoint position);
  void wheelTurned(int delta);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // A decode asked for and not yet arrived.
  struct Pending {
    uint64_t id = 0;  // the loader's id; 0 for a picture read on this thread
    bool slide = false;
    TransitionEffect effect = TransitionEffect::kNormal;
    int boxWidth = 0;  // the picture box it is read for
    int boxHeight = 0;
  };
  // The picture scaled to where it is drawn, kept between paints.
  struct Scaled {
    uint64_t generation = 0;
    int width = 0;
    int height = 0;
    bool highQuality = false;
    Bitmap bitmap;
  };

  void Request(bool slide, TransitionEffect effect);
  void Post(uint64_t id, Result<CardPicture> picture);
  void TakeDecoded();
  void Accept(Result<CardPicture> picture, const Pending& pending);
  void StartTransition(TransitionEffect effect);
  void Step();
  void CutTransitionShort();
  void FinishSlide();
  void ReadAgainForColours();
  void Redraw();

  FittedBox PlacePicture(const CardGeometry& g) const;
  const Bitmap& ScaledPicture(const CardGeometry& g, const FittedBox& place);
  void DrawCard(QPainter& p, const CardGeometry& g) const;
  void DrawSlideHeader(QPainter& p, int x, int y) const;

  const ShellImages& shell_;
  QTimer* stepTimer_ = nullptr;

  Colour window_ = kWhite;
  bool stretch_ = false;
  bool highQuality_ = false;
  bool fullScreen_ = false;
  bool closeMark_ = false;
  bool backHint_ = false;
  SlideHeader header_;

  std::string path_;
  bool exists_ = false;
  std::optional<Pending> pending_;
  std::optional<CardPicture> picture_;  // the decoded picture, or none after a failure
  uint64_t generation_ = 0;             // changes with picture_
  int decodedForWidth_ = 0;             // the picture box picture_ was read for
  int decodedForHeight_ = 0;
  Scaled scaled_;

  std::unique_ptr<Transition> transition_;  // running, or finished and its last frame shown
  Bitmap previousFrame_;
  bool slideShownDue_ = false;

  // The newest decoded result, handed from the loader's thread.
  std::mutex mailboxMutex_;
  std::optional<std::pair<uint64_t, Result<CardPicture>>> mailbox_;  // guarded by mailboxMutex_
  // Last, so it is gone (its thread joined) before the mailbox it fills.
  std::unique_ptr<LatestPictureLoader> loader_;
};

}  // namespace lumidex
