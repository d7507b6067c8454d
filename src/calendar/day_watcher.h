#pragma once

#include <chrono>
#include <functional>

#include "foundation/calendar_date.h"

namespace lumidex {

// The clock the day watcher reads: the current moment.
using WallClock = std::function<std::chrono::system_clock::time_point()>;

// The local date at `moment`.
CalendarDate LocalDateAt(std::chrono::system_clock::time_point moment);

// The time from `now` to the start of the next local day, at least one
// millisecond. Follows the time zone's rules, so a day of a daylight saving
// change is as long as it really is.
std::chrono::milliseconds UntilNextLocalMidnight(std::chrono::system_clock::time_point now);

// The decisions of the window's periodic check: its rhythm (a light part on
// every call, a full part on every twelfth) and whether the local date has
// changed since it was last seen, so that the today panel and `today` follow
// midnight, a change of the clock and a resume from suspend. It reads only
// the clock it is given, so tests drive it without waiting.
// Not thread-safe (main thread only).
class DayWatcher {
 public:
  // The full part runs when the counter read is greater than this.
  static constexpr int kFullCheckAfter = 10;

  explicit DayWatcher(WallClock clock = std::chrono::system_clock::now);

  // One call of the periodic check: reads and increases the counter; true
  // when this call runs the full part, which sets the counter back to 0.
  bool Tick();
  // True when the local date now differs from the date seen last (at
  // construction or by the last call that returned true), which it becomes.
  // A clock set back counts as a change as well.
  bool DateChanged();
  // The local date seen last.
  const CalendarDate& today() const { return today_; }
  // How long until the next local midnight, by the clock.
  std::chrono::milliseconds UntilNextMidnight() const;

 private:
  const WallClock clock_;
  CalendarDate today_;
  int tickCounter_ = 0;
};

}  // namespace lumidex
