#include "calendar/derived_holidays.h"

namespace lumidex {
namespace {

MonthDay MonthDayOf(const CalendarDate& date) { return MonthDay{date.month, date.day}; }

bool IsFixedHoliday(const HolidayBook& book, const CalendarDate& date) {
  return IsHolidayValue(book.FixedLookup(MonthDayOf(date), date.year));
}

// The holiday law has had these days only since it said so: substitute
// holidays since 1973/04/12, citizens' holidays since 1985/12/27. Until the
// end of 2006 a substitute holiday was only ever the Monday after the
// Sunday, and a citizens' holiday never fell on a Sunday.
constexpr CalendarDate kFirstSubstituteSunday{1973, 4, 12};
constexpr CalendarDate kFirstCitizensHoliday{1985, 12, 27};
constexpr int kFirstYearOfChainedSubstitutes = 2007;

// The day that a holiday on Sunday `sunday` moves to, or 0 for none.
long long SubstituteFor(const HolidayBook& book, long long sunday) {
  const CalendarDate date = FromDayNumber(sunday);
  if (date < kFirstSubstituteSunday) return 0;
  const int daysToTry = date.year < kFirstYearOfChainedSubstitutes ? 1 : 8;
  for (int i = 1; i <= daysToTry; ++i) {
    if (!IsFixedHoliday(book, FromDayNumber(sunday + i))) return sunday + i;
  }
  return 0;
}

bool MayBeCitizensHoliday(const CalendarDate& date) {
  if (date < kFirstCitizensHoliday) return false;
  return date.year >= kFirstYearOfChainedSubstitutes || WeekdayIndex(date) != 0;
}

}  // namespace

std::map<long long, std::string> DeriveHolidays(const HolidayBook& book, int year) {
  std::map<long long, std::string> derived;
  if (book.empty() || year < 1 || year > 9999) return derived;
  // A trigger day lies at most 8 days before and 5 days after the day it
  // makes a holiday.
  const long long first = DayNumber(CalendarDate{year, 1, 1});
  const long long last = DayNumber(CalendarDate{year, 12, 31});
  auto add = [&](long long dayNumber, const char* name) {
    if (dayNumber >= first && dayNumber <= last) derived.emplace(dayNumber, name);
  };
  for (long long n = first - 8; n <= last + 6; ++n) {
    const CalendarDate d = FromDayNumber(n);
    if (d.year < 1 || d.year > 9999) continue;
    const std::string own = book.LookupDay(MonthDayOf(d), d.year);
    if (own.empty()) continue;
    const long long sunday = n - WeekdayIndex(d);
    if (IsFixedHoliday(book, FromDayNumber(sunday))) {
      if (const long long substitute = SubstituteFor(book, sunday)) {
        add(substitute, kSubstituteHoliday);
      }
    }
    if (IsHolidayValue(own) && IsFixedHoliday(book, FromDayNumber(n + 2)) &&
        !IsFixedHoliday(book, FromDayNumber(n + 1)) && MayBeCitizensHoliday(FromDayNumber(n + 1))) {
      add(n + 1, kCitizensHoliday);
    }
  }
  return derived;
}

}  // namespace lumidex
