#include "calendar/day_watcher.h"

#include <algorithm>
#include <ctime>

namespace lumidex {

CalendarDate LocalDateAt(std::chrono::system_clock::time_point moment) {
  const std::time_t t = std::chrono::system_clock::to_time_t(moment);
  std::tm local{};
  localtime_r(&t, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::chrono::milliseconds UntilNextLocalMidnight(std::chrono::system_clock::time_point now) {
  using namespace std::chrono;
  const std::time_t t = system_clock::to_time_t(now);
  std::tm next{};
  localtime_r(&t, &next);
  next.tm_mday += 1;  // mktime carries into the month and year
  next.tm_hour = next.tm_min = next.tm_sec = 0;
  next.tm_isdst = -1;  // the zone decides whether that moment is in summer time
  const std::time_t midnight = std::mktime(&next);
  const auto until = duration_cast<milliseconds>(system_clock::from_time_t(midnight) - now);
  return std::max(until, milliseconds(1));
}

DayWatcher::DayWatcher(WallClock clock) : clock_(std::move(clock)), today_(LocalDateAt(clock_())) {}

bool DayWatcher::Tick() {
  if (tickCounter_++ <= kFullCheckAfter) return false;
  tickCounter_ = 0;
  return true;
}

bool DayWatcher::DateChanged() {
  const CalendarDate now = LocalDateAt(clock_());
  if (now == today_) return false;
  today_ = now;
  return true;
}

std::chrono::milliseconds DayWatcher::UntilNextMidnight() const { return UntilNextLocalMidnight(clock_()); }

}  // namespace lumidex
