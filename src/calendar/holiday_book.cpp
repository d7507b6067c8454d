#include "calendar/holiday_book.h"

namespace lumidex {

HolidayBook::HolidayBook(const std::vector<std::string>& lines) {
  lines_.reserve(lines.size());
  for (const std::string& line : lines) {
    if (!line.empty()) lines_.push_back(ParseHolidayLine(line));
  }
}

std::string HolidayBook::LookupDay(MonthDay md, int year) const {
  if (year < 1900) return {};
  const HolidayLine* firstOther = nullptr;
  for (const HolidayLine& line : lines_) {
    if (!line.AppliesTo(md, year)) continue;
    if (line.kind == DayKind::kHoliday) return line.name;
    if (firstOther == nullptr) firstOther = &line;
  }
  return firstOther ? firstOther->value : std::string();
}

std::string HolidayBook::FixedLookup(MonthDay md, int year) const {
  const HolidayLine* unranged = nullptr;
  for (const HolidayLine& line : lines_) {
    if (line.form != HolidayLine::Form::kFixed || line.month != md.month || line.day != md.day) {
      continue;
    }
    if (line.ranged) {
      if (line.AdmitsYear(year)) return line.value;
    } else if (unranged == nullptr) {
      unranged = &line;
    }
  }
  return unranged ? unranged->value : std::string();
}

std::vector<const HolidayLine*> HolidayBook::Applying(MonthDay md, int year) const {
  std::vector<const HolidayLine*> result;
  for (const HolidayLine& line : lines_) {
    if (line.AppliesTo(md, year)) result.push_back(&line);
  }
  return result;
}

bool IsHolidayValue(const std::string& value) {
  return !value.empty() && value[0] != '$' && value[0] != '&';
}

}  // namespace lumidex
