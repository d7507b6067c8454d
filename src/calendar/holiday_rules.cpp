#include "calendar/holiday_rules.h"

#include <array>

#include "foundation/calendar_date.h"

namespace lumidex {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayCharacters{"日", "月", "火", "水",
                                                             "木", "金", "土"};

}  // namespace

std::optional<int> NthWeekday(int year, int month, int n, int weekday) {
  if (month < 1 || month > 12 || n < 1 || n > 5 || weekday < 1 || weekday > 7) return std::nullopt;
  const int firstIndex = WeekdayIndex(CalendarDate{year, month, 1});
  const int first = 1 + ((weekday - 1 - firstIndex) + 7) % 7;
  const int day = first + 7 * (n - 1);
  if (day > DaysInMonth(year, month)) return std::nullopt;
  return day;
}

std::string_view RuleWeekdayCharacter(int weekday) {
  return weekday >= 1 && weekday <= 7 ? kWeekdayCharacters[weekday - 1] : std::string_view();
}

std::optional<int> RuleWeekdayNumber(std::string_view character) {
  for (size_t i = 0; i < kWeekdayCharacters.size(); ++i) {
    if (kWeekdayCharacters[i] == character) return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

std::optional<MonthDay> RuleDate(std::string_view ruleKey, int year) {
  // Two digits, one three-byte weekday character, one digit.
  if (ruleKey.size() != 6) return std::nullopt;
  const auto month = DigitsAt(ruleKey, 0, 2);
  const auto weekday = RuleWeekdayNumber(ruleKey.substr(2, 3));
  const auto n = DigitsAt(ruleKey, 5, 1);
  if (!month || !weekday || !n) return std::nullopt;
  const auto day = NthWeekday(year, *month, *n, *weekday);
  if (!day) return std::nullopt;
  return MonthDay{*month, *day};
}

}  // namespace lumidex
