#include "foundation/calendar_date.h"

#include <ctime>

namespace lumidex {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return IsLeapYear(year) ? 29 : 28;
    default:
      return 31;
  }
}

bool IsValidDate(const CalendarDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

// Howard Hinnant's days_from_civil / civil_from_days.
long long DayNumber(const CalendarDate& date) {
  const long long y = date.month <= 2 ? date.year - 1 : date.year;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long mp = (date.month + 9) % 12;
  const long long doy = (153 * mp + 2) / 5 + date.day - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

CalendarDate FromDayNumber(long long z) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return CalendarDate{static_cast<int>(year), month, day};
}

CalendarDate AddDays(const CalendarDate& date, long long days) {
  return FromDayNumber(DayNumber(date) + days);
}

int WeekdayIndex(const CalendarDate& date) {
  // 1970-01-01 was a Thursday (index 4).
  const long long n = (DayNumber(date) + 4) % 7;
  return static_cast<int>(n < 0 ? n + 7 : n);
}

std::string DateText(const CalendarDate& date) {
  std::string text = "0000/00/00";
  auto put = [&text](size_t pos, int value, int digits) {
    for (int i = digits - 1; i >= 0; --i) {
      text[pos + i] = static_cast<char>('0' + value % 10);
      value /= 10;
    }
  };
  put(0, date.year, 4);
  put(5, date.month, 2);
  put(8, date.day, 2);
  return text;
}

std::optional<int> DigitsAt(std::string_view text, size_t pos, size_t count) {
  if (pos + count > text.size()) return std::nullopt;
  int value = 0;
  for (size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::optional<CalendarDate> ParseDateText(std::string_view text) {
  if (text.size() != 10 || text[4] != '/' || text[7] != '/') return std::nullopt;
  const auto year = DigitsAt(text, 0, 4);
  const auto month = DigitsAt(text, 5, 2);
  const auto day = DigitsAt(text, 8, 2);
  if (!year || !month || !day) return std::nullopt;
  const CalendarDate date{*year, *month, *day};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::string_view PageKeyOf(std::string_view dateText) {
  return dateText.size() < 10 ? std::string_view() : dateText.substr(5, 5);
}

CalendarDate LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace lumidex
