#pragma once

#include <map>
#include <string>

#include "foundation/calendar_date.h"
#include "calendar/holiday_book.h"

namespace lumidex {

inline constexpr const char* kSubstituteHoliday = "振替休日";
inline constexpr const char* kCitizensHoliday = "国民の休日";

// The holidays that no file lists but that follow from it, for the days of
// one year, keyed by DayNumber of the full date. Every day is looked at once,
// in date order, whatever is painted, so the result depends only on the
// holiday lines and the year.
//
// For every day d (with a margin of a week into the neighbouring years) whose
// own entry (LookupDay) is not empty:
//  - substitute holiday: when the Sunday s on or before d is a fixed-date
//    holiday, the first of the eight days after s that is not a fixed-date
//    holiday becomes "振替休日" (none when all eight are);
//  - citizens' holiday, only when d's entry is a holiday: when d + 2 is a
//    fixed-date holiday and d + 1 is not, d + 1 becomes "国民の休日".
// As the holiday law had them: no substitute holiday for a Sunday before
// 1973/04/12, and until 2006 only the Monday after the Sunday can be one; no
// citizens' holiday before 1985/12/27, and until 2006 none on a Sunday.
// A day keeps the first derived name it gets. Every lookup of a day uses that
// day's own year. Only days of `year` are kept.
std::map<long long, std::string> DeriveHolidays(const HolidayBook& book, int year);

}  // namespace lumidex
