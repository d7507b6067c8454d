#pragma once

#include <string>

namespace lumidex {

// The interval of the slide show: milliseconds from the end of one picture's
// display to the next step, set on the interval track bar.
inline constexpr int kMinSlideInterval = 1;
inline constexpr int kMaxSlideInterval = 60000;
inline constexpr int kDefaultSlideInterval = 1000;
// What the left and right arrow keys move the track bar by, in addition to
// its own step (1), so that a key press moves a tenth of a second.
inline constexpr int kSlideIntervalArrowStep = 99;

// `milliseconds` kept inside kMinSlideInterval..kMaxSlideInterval.
int ClampSlideInterval(int milliseconds);

// The interval label: the seconds written "#0.###" (no trailing zeros, at
// least one digit before the point) followed by "秒": "1秒", "0.001秒",
// "2.5秒".
std::string SlideIntervalText(int milliseconds);

// The right mouse button's rounding: down to whole seconds when at least one
// second, else unchanged (a whole second of 0 is no interval).
int RoundedSlideInterval(int milliseconds);

// The interval after an arrow key's extra step: `direction` -1 for left, +1
// for right; kept in range.
int SlideIntervalAfterArrowKey(int milliseconds, int direction);

}  // namespace lumidex
