#pragma once

#include <string>

#include "foundation/calendar_date.h"

namespace lumidex {

// The Japanese era name and era year of `date`, without "年": "令和2" for
// 2020/06/01, "平成31" for 2019/04/30, "昭和64" for 1989/01/07. Eras come from
// our own table (明治 from 1868/09/08, 大正 1912/07/30, 昭和 1926/12/25, 平成
// 1989/01/08, 令和 2019/05/01); a date before the first era gives the plain
// Gregorian year digits.
std::string JapaneseEraYear(const CalendarDate& date);

// The short Japanese weekday name "日", "月" ... "土" of weekday index 0-6.
std::string ShortWeekdayName(int weekdayIndex);

// The today panel's text: the date text followed by the short weekday name
// in parentheses, "2020/06/01(月)".
std::string TodayPanelText(const CalendarDate& today);

// The today panel's hint: era and era year, "年|今日の日付（クリックで戻る）".
// The part before "|" is the tooltip, the part after it the status text.
std::string TodayPanelHint(const CalendarDate& today);

}  // namespace lumidex
