#pragma once

#include <string>

#include "foundation/calendar_date.h"

namespace lumidex {

// The state of the month calendar, kept by the window for the whole run.
struct CalendarState {
  CalendarDate shownMonthStart;  // first day of the month shown
  int shownMonth = 1;            // month of shownMonthStart
  int shownYear = 2000;          // year of shownMonthStart
  std::string shownMonthText;    // shownMonthStart as date text
  std::string loadedYear;        // "yyyy" whose documents are open; "" before the first switch
  std::string selectedDay;       // date text of the day commands act on
  int selectedRow = 0;           // grid position of the last selected day cell
  int selectedCol = 0;
  std::string today;               // today's date text
  bool stripHit = false;           // the last press fell on a date strip
  bool building = true;            // false while a year switch runs (re-entrancy guard)
  bool paintingSuppressed = true;  // until the first month build of start-up
};

}  // namespace lumidex
