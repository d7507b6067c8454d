#pragma once

#include <QWidget>

#include "foundation/long_operation.h"

class QAbstractButton;
class QLabel;
class QProgressBar;
class QStatusBar;

namespace lumidex {

// The bottom of the window: the bar `Panel2` with the music or zoom buttons
// (`SpeedButton26`, `SpeedButton27`, `SpeedButton39`, `SpeedButton44`), the
// level control `StaticText2`, the day line `Label3`, `ProgressBar1` and the
// "中止" button `SpeedButton4`; and below it the status bar `StatusBar1`
// with its three indicator panels, which shows the long hint of the control
// under the pointer.
//
// It is also the window's abort flag: a long operation drives the progress
// bar and polls the flag through LongOperation. Main thread only.
class StatusArea : public QWidget, public LongOperation {
  Q_OBJECT

 public:
  // Builds the bar and fills `statusBar` (which the window owns) with the
  // indicator panels.
  StatusArea(QStatusBar* statusBar, QWidget* parent = nullptr);

  // Sets the text of indicator panel `index` (0 disk, 1 memory, 2 the file
  // worked on) and its hint ("short|long"; none when empty).
  // REQUIRES: 0 <= index < 3.
  void SetIndicatorText(int index, const QString& text, const QString& hint = {});
  // The day line.
  void SetDayLine(const QString& text);

  // LongOperation.
  void Begin(int total) override;
  bool Step(int done, std::string_view item) override;
  bool AbortRequested() const override { return abort_; }
  void End() override;

  // What "中止" does: the running operation stops at its next step.
  void RequestAbort() { abort_ = true; }

  QProgressBar* progressBar() const { return progress_; }
  QAbstractButton* abortButton() const { return abortButton_; }
  // The music's track buttons `SpeedButton26` and `SpeedButton27`.
  QAbstractButton* previousTrack() const { return previousTrack_; }
  QAbstractButton* nextTrack() const { return nextTrack_; }
  // The actual-size view's "原寸サイズに戻す" `SpeedButton39`, the blur toggle
  // `SpeedButton44` and its level `StaticText2`; hidden until it is on.
  QAbstractButton* resetZoom() const { return resetZoom_; }
  QAbstractButton* blur() const { return blur_; }
  QLabel* blurLevel() const { return blurLevel_; }

 private:
  QProgressBar* progress_ = nullptr;
  QAbstractButton* abortButton_ = nullptr;
  QAbstractButton* previousTrack_ = nullptr;
  QAbstractButton* nextTrack_ = nullptr;
  QAbstractButton* resetZoom_ = nullptr;
  QAbstractButton* blur_ = nullptr;
  QLabel* blurLevel_ = nullptr;
  QLabel* dayLine_ = nullptr;
  QLabel* indicators_[3] = {};
  bool abort_ = false;
};

}  // namespace lumidex
