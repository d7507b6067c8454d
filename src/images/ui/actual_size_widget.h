#pragma once

#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "foundation/colour.h"
#include "foundation/status.h"
#include "images/actual_size.h"
#include "images/bitmap.h"
#include "images/block_blur.h"

namespace lumidex {

class ShellImages;
class ThreadPool;

// The actual-size view: the current picture at its own size over the
// picture view, zoomed in nine steps, panned by a left drag or the arrow
// keys, with an overview navigator at the top left (shown from the first
// left press, pressed or dragged on to jump), an optional block blur, and
// the enlarged picture for saving. A right drag zooms one step per 16
// pixels, the wheel zooms (towards the user in).
//
// The picture is decoded once per picture on a worker thread, the newest
// request winning; the view keeps its size within its parent, whose size is
// the region it may take; the view itself lies at the top left of it,
// ZoomedSize limited to the region, and the rest shows the window colour. A file that cannot be read (or an icon, which
// the picture view draws fitted) leaves the view hidden. Main thread only;
// `shell` must outlive the view.
class ActualSizeWidget : public QWidget {
  Q_OBJECT

 public:
  ActualSizeWidget(const ShellImages& shell, QWidget* parent);
  ~ActualSizeWidget() override;

  void SetWindowColour(Colour colour) { window_ = colour; }
  // Where the blur reports its rows (the status area's progress bar).
  void SetBlurProgress(BlurProgress progress) { progress_ = std::move(progress); }

  // Shows `path` at its own size, zoom 1.0, pan 0, navigator hidden, blur off.
  void Open(const std::string& path);
  // Frees the copy and hides the view.
  void Close();
  bool hasCopy() const { return !copy_.empty(); }

  // One zoom step in or out (kept within 1.0 .. 1.8); switches the blur off.
  void ZoomStep(bool in);
  void ResetZoom();
  int zoomStep() const { return step_; }
  // The size of the zoomed view (W x H) at the widget's top left.
  QSize viewSize() const { return QSize(view_.width(), view_.height()); }
  Pan pan() const { return pan_; }
  void SetBlur(bool on);
  bool blurOn() const { return blur_; }
  // Left -1, right +1, kept within 1..4; redraws when it changed.
  void ChangeBlurLevel(bool up);
  int blurLevel() const { return blurLevel_; }
  // The parent changed size: lays the view out again, keeping the pan.
  void Relayout();

  // "フルサイズ" (the whole copy at ZoomedSize) or "ビューサイズ" (the view
  // as shown, the navigator included when drawn), blurred when the blur is
  // on. Error "保存に失敗しました。" without a copy or when too large.
  Result<Bitmap> EnlargedPicture(bool fullSize);

 signals:
  // A zoom step, a wheel turn or a new picture switched the blur off.
  void blurSwitchedOff();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Post(uint64_t id, Result<Bitmap> copy);
  void TakeDecoded();
  void Accept(Bitmap copy);
  void ApplyZoom();
  void BlurOff();
  void DrawView();
  void DrawNavigator();
  bool JumpTo(QPoint at, bool force);
  bool InNavigator(QPoint at) const;
  ZoomView zoom() const { return {{view_.width(), view_.height()}, step_, pan_}; }
  void LayOut();
  PixelSize copySize() const { return {copy_.width(), copy_.height()}; }
  PixelSize region() const;

  const ShellImages& shell_;
  Colour window_ = kWhite;
  BlurProgress progress_;

  std::string path_;
  Bitmap copy_;
  Bitmap navigator_;
  PixelSize nav_;
  Bitmap view_;
  int step_ = 0;
  Pan pan_;
  Pan panStart_;
  QPoint dragStart_;
  int blurLevel_ = kMinBlurLevel;
  bool blur_ = false;
  bool leftHeld_ = false;
  bool zoomDragging_ = false;
  bool navigatorShown_ = false;
  bool panning_ = false;
  int moveCount_ = 0;
  int jumpCount_ = 0;

  std::atomic<uint64_t> newest_{0};
  std::mutex mailboxMutex_;
  std::optional<std::pair<uint64_t, Result<Bitmap>>> mailbox_;  // guarded by mailboxMutex_
  // Last, so its thread is joined before the mailbox it fills is gone.
  std::unique_ptr<ThreadPool> decoder_;
};

}  // namespace lumidex
