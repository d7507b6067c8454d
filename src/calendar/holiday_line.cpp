#include "calendar/holiday_line.h"

#include "foundation/calendar_date.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// Byte offset in `text` after its first `count` characters (or its size).
size_t CharacterOffset(std::string_view text, size_t count) {
  size_t pos = 0;
  for (size_t i = 0; i < count && pos < text.size(); ++i) NextCodePoint(text, pos);
  return pos;
}

}  // namespace

std::optional<MonthDay> ParseMonthDay(std::string_view md) {
  if (md.size() != 5 || md[2] != '/') return std::nullopt;
  const auto month = DigitsAt(md, 0, 2);
  const auto day = DigitsAt(md, 3, 2);
  if (!month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
  return MonthDay{*month, *day};
}

bool HolidayLine::AdmitsYear(int year) const {
  return !ranged || startYear == 0 || (startYear <= year && year <= endYear);
}

bool HolidayLine::AppliesTo(MonthDay md, int year) const {
  if (form == Form::kInvalid || !AdmitsYear(year)) return false;
  if (form == Form::kFixed) return month == md.month && day == md.day;
  const auto date = RuleDate(key, year);
  return date && *date == md;
}

HolidayLine ParseHolidayLine(std::string_view text) {
  HolidayLine line;
  if (!HasEquals(text)) return line;
  std::string_view key = NameOf(text);
  line.value = std::string(ValueOf(text));
  if (!line.value.empty() && (line.value[0] == '$' || line.value[0] == '&')) {
    line.kind = line.value[0] == '$' ? DayKind::kEvent : DayKind::kOther;
    line.name = line.value.substr(1);
  } else {
    line.name = line.value;
  }
  if (Cp932Width(key) > 8) {
    const size_t rangeEnd = CharacterOffset(key, 8);
    const std::string_view range = key.substr(0, rangeEnd);
    line.ranged = true;
    line.startYear = DigitsAt(range, 0, 4).value_or(0);
    line.endYear = range.size() == 8 ? DigitsAt(range, 4, 4).value_or(9000) : 9000;
    key = key.substr(rangeEnd);
  }
  line.key = std::string(key);
  if (const auto md = ParseMonthDay(key)) {
    line.form = HolidayLine::Form::kFixed;
    line.month = md->month;
    line.day = md->day;
  } else if (key.size() == 6 && RuleWeekdayNumber(key.substr(2, 3)) && DigitsAt(key, 0, 2) &&
             DigitsAt(key, 5, 1)) {
    line.form = HolidayLine::Form::kRule;
  }
  return line;
}

}  // namespace lumidex
