#include "calendar/japanese_era.h"

#include <array>

namespace lumidex {
namespace {

struct Era {
  CalendarDate start;
  const char* name;
};

// Newest first, so the first era that started on or before a date is its era.
constexpr std::array<Era, 5> kEras{{
    {{2019, 5, 1}, "令和"},
    {{1989, 1, 8}, "平成"},
    {{1926, 12, 25}, "昭和"},
    {{1912, 7, 30}, "大正"},
    {{1868, 9, 8}, "明治"},
}};

constexpr std::array<const char*, 7> kShortWeekdays{"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

std::string JapaneseEraYear(const CalendarDate& date) {
  for (const Era& era : kEras) {
    if (date >= era.start)
      return std::string(era.name) + std::to_string(date.year - era.start.year + 1);
  }
  return std::to_string(date.year);
}

std::string ShortWeekdayName(int weekdayIndex) {
  return kShortWeekdays[static_cast<size_t>(((weekdayIndex % 7) + 7) % 7)];
}

std::string TodayPanelText(const CalendarDate& today) {
  return DateText(today) + "(" + ShortWeekdayName(WeekdayIndex(today)) + ")";
}

std::string TodayPanelHint(const CalendarDate& today) {
  return JapaneseEraYear(today) + "年|今日の日付（クリックで戻る）";
}

}  // namespace lumidex
