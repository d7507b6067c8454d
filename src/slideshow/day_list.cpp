#include "slideshow/day_list.h"

#include <algorithm>

#include "foundation/calendar_date.h"

namespace lumidex {
namespace {

// A leap year: every month and day of any year is a day of it.
constexpr int kLeapYear = 2000;

constexpr std::string_view kFullWidthSpace = "\xE3\x80\x80";  // U+3000

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty()) {
    if (IsAsciiSpace(text.front())) {
      text.remove_prefix(1);
    } else if (text.starts_with(kFullWidthSpace)) {
      text.remove_prefix(kFullWidthSpace.size());
    } else {
      break;
    }
  }
  while (!text.empty()) {
    if (IsAsciiSpace(text.back())) {
      text.remove_suffix(1);
    } else if (text.ends_with(kFullWidthSpace)) {
      text.remove_suffix(kFullWidthSpace.size());
    } else {
      break;
    }
  }
  return text;
}

// The number of `text` when it is `minDigits` to `maxDigits` ASCII digits.
std::optional<int> Number(std::string_view text, size_t minDigits, size_t maxDigits) {
  if (text.size() < minDigits || text.size() > maxDigits) return std::nullopt;
  return DigitsAt(text, 0, text.size());
}

// The date written "yyyy/m/d", or the month and day of "m/d" in `year`; only
// real days of years the calendar can show.
std::optional<CalendarDate> ParseDay(std::string_view text, int year) {
  const size_t first = text.find('/');
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = text.find('/', first + 1);
  std::optional<int> y = year;
  std::string_view monthDay = text;
  if (second != std::string_view::npos) {
    y = Number(text.substr(0, first), 4, 4);
    monthDay = text.substr(first + 1);
  }
  const size_t slash = monthDay.find('/');
  const std::optional<int> month = Number(monthDay.substr(0, slash), 1, 2);
  const std::optional<int> day = Number(monthDay.substr(slash + 1), 1, 2);
  if (!y || !month || !day) return std::nullopt;
  const CalendarDate date{*y, *month, *day};
  if (!IsValidDate(date) || date.year < kFirstShownYear || date.year > kLastShownYear) {
    return std::nullopt;
  }
  return date;
}

std::string NotADateMessage(size_t lineNumber, std::string_view text) {
  return std::to_string(lineNumber) + "行目「" + std::string(text) + "」は日付ではありません。";
}

}  // namespace

std::optional<std::string> NormaliseDayListEntry(SlideType type, std::string_view text,
                                                 int currentYear) {
  const std::string_view trimmed = Trimmed(text);
  const bool list = type == SlideType::kList;
  const std::optional<CalendarDate> date = ParseDay(trimmed, list ? currentYear : kLeapYear);
  if (!date) return std::nullopt;
  const std::string dateText = DateText(*date);
  return list ? dateText : std::string(PageKeyOf(dateText));
}

Result<std::vector<std::string>> ParseDayList(SlideType type, const std::vector<std::string>& lines,
                                              int currentYear) {
  std::vector<std::string> days;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string_view text = Trimmed(lines[i]);
    if (text.empty()) continue;
    std::optional<std::string> day = NormaliseDayListEntry(type, text, currentYear);
    if (!day) return Status::Error(NotADateMessage(i + 1, text));
    days.push_back(std::move(*day));
  }
  std::sort(days.begin(), days.end());
  return days;
}

std::string DayListEntryFor(SlideType type, std::string_view date) {
  return type == SlideType::kList ? std::string(date) : std::string(PageKeyOf(date));
}

}  // namespace lumidex
