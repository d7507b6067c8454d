#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace lumidex {

// A day of the proleptic Gregorian calendar. Value type; no validity is
// enforced by the type itself (see IsValidDate).
struct CalendarDate {
  int year = 1;
  int month = 1;
  int day = 1;

  auto operator<=>(const CalendarDate&) const = default;
};

// The years the calendar may show. The six-week grid of January 1001 starts
// in December 1000 and that of December 9998 ends in January 9999, so every
// cell of every reachable month still has a four-digit year: a date text is
// always "yyyy/mm/dd".
inline constexpr int kFirstShownYear = 1001;
inline constexpr int kLastShownYear = 9998;

bool IsLeapYear(int year);

// Days of `month` (1-12) in `year`: 30 for April, June, September and
// November, 29 or 28 for February, 31 for the others.
int DaysInMonth(int year, int month);

bool IsValidDate(const CalendarDate& date);

// Days since 1970-01-01 (negative before). REQUIRES: IsValidDate(date).
long long DayNumber(const CalendarDate& date);
CalendarDate FromDayNumber(long long dayNumber);

// `date` moved by `days` (may be negative). REQUIRES: IsValidDate(date).
CalendarDate AddDays(const CalendarDate& date, long long days);

// 0 for Sunday, 1 for Monday ... 6 for Saturday.
int WeekdayIndex(const CalendarDate& date);

// "yyyy/mm/dd". REQUIRES: 0 <= year <= 9999.
std::string DateText(const CalendarDate& date);

// The date of the text "yyyy/mm/dd" (exactly ten characters, digits where
// digits belong); nullopt when the text has another form or names no real
// day.
std::optional<CalendarDate> ParseDateText(std::string_view text);

// The page key "mm/dd" of a date text: its characters 6-10, or "" when the
// text is shorter than ten characters.
std::string_view PageKeyOf(std::string_view dateText);

// The number of the digits text[pos, pos + count), or nullopt when the text
// is too short there or any of them is not an ASCII digit.
std::optional<int> DigitsAt(std::string_view text, size_t pos, size_t count);

// Today's date in local time.
CalendarDate LocalToday();

}  // namespace lumidex
