#pragma once

#include <string_view>

namespace lumidex {

// The window's progress bar, "中止" button and abort flag as a long loop on
// the main thread sees them (registration from folders, cache commands,
// search, repair, statistics, date setting). A loop calls Begin, then Step
// after each item, and End when it is done or stopped; it stops early as soon
// as Step answers true. Implemented by the main window; core code only holds
// a reference for the length of one operation. Main thread only.
class LongOperation {
 public:
  virtual ~LongOperation() = default;

  // Clears the abort flag, shows the progress bar over `total` items and the
  // "中止" button.
  virtual void Begin(int total) = 0;

  // Moves the bar to `done` items, shows `item` (the file worked on; may be
  // empty) in the status bar and lets pending window events run, so the
  // "中止" button can be pressed. Returns true when the user asked to stop.
  virtual bool Step(int done, std::string_view item) = 0;

  // True once "中止" was pressed since Begin.
  virtual bool AbortRequested() const = 0;

  // Resets the bar, clears the status text and hides the "中止" button.
  virtual void End() = 0;
};

// A long operation nobody watches: no bar, never stopped (the command line,
// the exit's cache clean-up, folder walks when the window gave no progress).
class SilentOperation final : public LongOperation {
 public:
  void Begin(int) override {}
  bool Step(int, std::string_view) override { return false; }
  bool AbortRequested() const override { return false; }
  void End() override {}
};

}  // namespace lumidex
