#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace lumidex {

// Runs work that the window's first paint does not need once that paint is
// done: `work` runs once, from the event loop, after the first paint of
// `widget` has finished, so a start draws its month before doing it. A
// widget that is still unpainted `latestMs` milliseconds after the loop
// first runs (hidden, or its window never shown) gets the work run then.
// Deletes itself after the run or with `widget`. Main thread only.
class AfterFirstPaint : public QObject {
 public:
  static constexpr int kLatestMs = 2000;

  static void Run(QWidget* widget, std::function<void()> work, int latestMs = kLatestMs);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AfterFirstPaint(QWidget* widget, std::function<void()> work);
  // Posts the run (once).
  void Queue();

  std::function<void()> work_;
  bool queued_ = false;
};

}  // namespace lumidex
