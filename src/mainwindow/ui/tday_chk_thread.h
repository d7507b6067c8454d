#pragma once

#include <QIcon>
#include <QObject>
#include <functional>

#include "calendar/day_watcher.h"

class QTimer;

namespace lumidex {

class CalendarController;
class TForm1;

// The window's periodic check, on a main-thread timer of 100 milliseconds in
// place of a worker that hands each check to the main thread. Every twelfth
// check runs the full part: the today panel and `today` follow a change of
// the local date (the grid repaints its today colour) and status bar panel 1
// shows the memory load. A single-shot timer re-armed for each next local
// midnight, and logind's resume signal when the system bus offers it, check
// the date at once besides.
//
// Every check enables the page's "適用" exactly while there are unsaved
// changes (the open page or sub-album, or the free layout page); the full
// part blinks a mark on it while they last.
//
// It also keeps the Delete key rule of the free layout: while the free
// layout canvas is shown, a Delete press that no control of the window took
// (no text input has the focus, the canvas itself does not) deletes the
// canvas's selected items, and only while the program is the active
// application, so a key pressed in another program never deletes anything.
//
// Main thread only. `window` and `calendar` must outlive it; the window is
// its parent.
class TDayChkThread : public QObject {
  Q_OBJECT

 public:
  // The check's interval in milliseconds.
  static constexpr int kInterval = 100;

  TDayChkThread(TForm1& window, CalendarController& calendar, WallClock clock = std::chrono::system_clock::now);

  // Starts the checks; created running. Stop ends them for good (exit).
  void Start();
  void Stop();
  bool running() const;

  // One check, as the timer runs it.
  void PeriodicCheck();
  // Whether the open page or sub-album, or the free layout page, has
  // unsaved changes; unset: never.
  void SetUnsavedTest(std::function<bool()> unsaved) { unsaved_ = std::move(unsaved); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private slots:
  // logind's PrepareForSleep: false when the system has resumed.
  void OnPrepareForSleep(bool sleeping);

 private:
  // Follows a change of the local date; re-arms the midnight timer.
  void CheckDate();
  void ArmMidnight();
  void ShowMemoryLoad();
  // "適用" follows the unsaved changes; `blink` turns its mark over.
  void ShowUnsaved(bool blink);
  // The Delete key rule; true when the press was taken.
  bool DeleteKeyPressed(QEvent* event);

  TForm1& window_;
  CalendarController& calendar_;
  DayWatcher watcher_;
  QTimer* periodic_ = nullptr;
  QTimer* midnight_ = nullptr;
  bool stopped_ = false;
  bool forwarding_ = false;  // a Delete press is being handed to the canvas
  std::function<bool()> unsaved_;
  // What "適用" shows beside its caption: nothing (all saved), the blinking
  // mark, or an empty picture of its size (the mark's off phase).
  enum class Mark { kNone, kBlank, kShown };
  Mark mark_ = Mark::kNone;
  QIcon markIcon_;
  QIcon blankIcon_;
};

}  // namespace lumidex
