#pragma once

#include <string>
#include <vector>

#include "foundation/calendar_date.h"
#include "calendar/holiday_line.h"

namespace lumidex {

// The lines of one loaded holiday file with the lookups over them. Immutable
// after construction; safe to share between threads for reading.
class HolidayBook {
 public:
  HolidayBook() = default;
  // `lines` as loaded, in file order.
  explicit HolidayBook(const std::vector<std::string>& lines);

  bool empty() const { return lines_.empty(); }
  const std::vector<HolidayLine>& lines() const { return lines_; }

  // The first holiday that applies to `md` in `year` (its name), else the
  // value (marker included) of the first event or note that applies, else
  // "". Years before 1900 have no entries.
  std::string LookupDay(MonthDay md, int year) const;

  // Fixed-date lines only, rules are not consulted. The value of the first
  // ranged line for `md` whose range admits `year`; failing that, the value of
  // the first unranged line for `md`; else "". A ranged line therefore beats
  // an unranged one for the same date whatever their order.
  std::string FixedLookup(MonthDay md, int year) const;

  // Every line that applies to `md` in `year`, in file order.
  std::vector<const HolidayLine*> Applying(MonthDay md, int year) const;

 private:
  std::vector<HolidayLine> lines_;
};

// True when a lookup value names a holiday: not empty and without a marker.
bool IsHolidayValue(const std::string& value);

}  // namespace lumidex
