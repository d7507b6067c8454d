#pragma once

#include <string>
#include <string_view>

#include "calendar/holiday_rules.h"

namespace lumidex {

// What a day cell shows, as the codes the cell drawing uses.
enum class DayKind { kHoliday = 0, kEvent = 1, kOther = 2, kNothing = 9 };

// One line of a holiday file, parsed once when the file is loaded.
//
// Format of a holiday file (text, one entry per line, CR LF; empty lines
// ignored). Positions count the characters of the decoded text; in the cp932
// file the weekday character takes two bytes, so the byte widths are those in
// brackets:
//   [range 8][key 5] "=" [marker 0-1] name
//   range  optional: start year (4 digits) and end year (4 digits). A line
//          has a range exactly when its key part (before the first "=") is
//          wider than 8 cp932 bytes. Start "0000" (or not a number) means
//          every year; an end that is not a number is 9000.
//   key    a fixed date "mm/dd", or a rule: two month digits, a weekday
//          character 日月火水木金土 and a digit n 1-5 (the n-th such weekday).
//   marker "$" event (行事), "&" other note (その他), none: holiday (祝日).
// Lines whose key is neither form, or that have no "=", never apply.
struct HolidayLine {
  enum class Form { kInvalid, kFixed, kRule };

  std::string key;    // the key without its range: "mm/dd" or a rule key
  std::string value;  // the text after the first "=": marker and name
  std::string name;   // value without its marker
  Form form = Form::kInvalid;
  DayKind kind = DayKind::kHoliday;  // kHoliday, kEvent or kOther
  bool ranged = false;
  int startYear = 0;  // 0: every year
  int endYear = 9000;
  int month = 0;  // of a fixed date
  int day = 0;

  // True when the range (if any) admits `year`.
  bool AdmitsYear(int year) const;

  // True when this line applies to month/day `md` of `year`: a valid key,
  // a range that admits the year, and a fixed date equal to `md` or a rule
  // whose date in `year` is `md`.
  bool AppliesTo(MonthDay md, int year) const;
};

HolidayLine ParseHolidayLine(std::string_view line);

// The month and day of a page key "mm/dd"; nullopt for any other text.
std::optional<MonthDay> ParseMonthDay(std::string_view md);

}  // namespace lumidex
