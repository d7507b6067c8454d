#pragma once

#include <optional>
#include <string_view>

namespace lumidex {

// Stateless date rules of holiday files.

// Day of month of the n-th `weekday` (1 = Sunday ... 7 = Saturday) in
// `month` of `year`: the first such weekday + 7 * (n - 1). nullopt when that
// day is past the end of the month or an argument is out of range
// (n outside 1-5, weekday outside 1-7, month outside 1-12).
std::optional<int> NthWeekday(int year, int month, int n, int weekday);

// The weekday number 1 (Sunday) ... 7 (Saturday) of a rule's weekday
// character "日", "月", "火", "水", "木", "金", "土" (UTF-8); nullopt for any other
// text.
std::optional<int> RuleWeekdayNumber(std::string_view character);

// The weekday character of weekday number 1 (Sunday) ... 7 (Saturday); ""
// for any other number.
std::string_view RuleWeekdayCharacter(int weekday);

// Month and day of a rule key in `year`. The key is two month digits
// "01"-"12", one weekday character and one digit n "1"-"5", meaning the n-th
// such weekday of the month ("09月3" is the third Monday of September).
// nullopt for a key of any other form or a weekday that does not occur n
// times in that month.
struct MonthDay {
  int month = 0;
  int day = 0;
  bool operator==(const MonthDay&) const = default;
};
std::optional<MonthDay> RuleDate(std::string_view ruleKey, int year);

}  // namespace lumidex
