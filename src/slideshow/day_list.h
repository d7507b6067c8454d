#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"
#include "slideshow/slide_type.h"

namespace lumidex {

// The day list of a slide show: the days the types other than "Day" run
// through. For "List" each entry is a date "yyyy/mm/dd"; for "Days" and
// "Year" a month and day "mm/dd", which the show places in a year.
//
// Text a person types for an entry, surrounding spaces (ASCII and full-width)
// ignored:
// - a date "yyyy/m/d" (month and day with one or two digits, a year the
//   calendar can show);
// - a month and day "m/d", for "List" taken in `currentYear`.
// For "Days" and "Year" a date counts by its month and day, and 02/29 is a
// month and day (leap years have it).

// The entry `text` stands for: "yyyy/mm/dd" for List, "mm/dd" otherwise;
// nullopt when the text names no day.
std::optional<std::string> NormaliseDayListEntry(SlideType type, std::string_view text,
                                                 int currentYear);

// The lines of the day list dialog as the day list of `type`: empty lines
// dropped, every other line normalised, the result sorted as text. Error
// "3行目「abc」は日付ではありません。" naming the first line (counted from 1,
// empty lines included) that is not a day; nothing is taken then.
Result<std::vector<std::string>> ParseDayList(SlideType type, const std::vector<std::string>& lines,
                                              int currentYear);

// The entry the menus append for the selected day `date` ("yyyy/mm/dd"): the
// whole date for List, its "mm/dd" otherwise.
std::string DayListEntryFor(SlideType type, std::string_view date);

}  // namespace lumidex
