#include <gtest/gtest.h>

#include <ctime>

#include "calendar/day_watcher.h"

namespace lumidex {
namespace {

using std::chrono::system_clock;

// The moment of a local wall time (days without a daylight saving change).
system_clock::time_point Local(int year, int month, int day, int hour, int minute, int second) {
  std::tm tm{};
  tm.tm_year = year - 1900;
  tm.tm_mon = month - 1;
  tm.tm_mday = day;
  tm.tm_hour = hour;
  tm.tm_min = minute;
  tm.tm_sec = second;
  tm.tm_isdst = -1;
  return system_clock::from_time_t(std::mktime(&tm));
}

TEST(DayWatcherTest, SeesMidnightAClockSetBackAndAResumeOnce) {
  system_clock::time_point now = Local(2026, 1, 14, 23, 59, 58);
  DayWatcher watcher([&] { return now; });
  EXPECT_EQ(watcher.today(), (CalendarDate{2026, 1, 14}));
  EXPECT_EQ(watcher.UntilNextMidnight(), std::chrono::seconds(2));
  EXPECT_FALSE(watcher.DateChanged());

  now += std::chrono::seconds(3);
  EXPECT_TRUE(watcher.DateChanged());
  EXPECT_EQ(watcher.today(), (CalendarDate{2026, 1, 15}));
  EXPECT_FALSE(watcher.DateChanged());
  EXPECT_EQ(watcher.UntilNextMidnight(), std::chrono::hours(24) - std::chrono::seconds(1));

  // The clock is set back a day, then the machine sleeps over a year's end.
  now = Local(2026, 1, 14, 12, 0, 0);
  EXPECT_TRUE(watcher.DateChanged());
  EXPECT_EQ(watcher.today(), (CalendarDate{2026, 1, 14}));
  now = Local(2027, 1, 1, 0, 0, 30);
  EXPECT_TRUE(watcher.DateChanged());
  EXPECT_EQ(watcher.today(), (CalendarDate{2027, 1, 1}));
  now = Local(2026, 12, 31, 23, 0, 0);
  EXPECT_EQ(UntilNextLocalMidnight(now), std::chrono::hours(1));
}

TEST(DayWatcherTest, TheFullPartRunsOnEveryTwelfthCall) {
  DayWatcher watcher;
  std::vector<int> full;
  for (int call = 1; call <= 36; ++call) {
    if (watcher.Tick()) full.push_back(call);
  }
  EXPECT_EQ(full, (std::vector<int>{12, 24, 36}));
}

}  // namespace
}  // namespace lumidex
