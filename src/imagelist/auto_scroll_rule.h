#pragma once

namespace lumidex {

// One tick of the page list's auto-scroll timer, which runs while the left
// button is held after a press on a row.
struct AutoScrollStep {
  // -1: the pointer is above the list, scroll up one line and select the
  // top row; 1: below, scroll down and select the bottom row; 0: inside,
  // nothing to do.
  int direction = 0;
  // The timer's interval from now on: 100 ms within 16 pixels of the
  // list's edge, 30 ms within 32 pixels, 1 ms farther out, so the list runs
  // faster the farther the pointer is pulled away.
  int intervalMs = 100;
  bool operator==(const AutoScrollStep&) const = default;
};

// The step for the pointer at `pointerY` (list coordinates; a pointer
// outside the window gives a position far outside) over a list of
// `listHeight` pixels.
AutoScrollStep AutoScrollFor(int pointerY, int listHeight);

}  // namespace lumidex
