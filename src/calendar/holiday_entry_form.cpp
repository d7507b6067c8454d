#include "calendar/holiday_entry_form.h"

#include <cstdio>

#include "calendar/holiday_rules.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

bool IsFourDigits(std::string_view text) {
  return text.size() == 4 && DigitsAt(text, 0, 4).has_value();
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

std::string YearField(int year, bool isEnd) {
  if (isEnd ? year >= 9000 : year == 0) return {};
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", year);
  return buffer;
}

}  // namespace

bool EndYearEnabled(const HolidayEntryForm& form) { return IsFourDigits(form.startYear); }

bool CanStoreEntry(const HolidayEntryForm& form) {
  const bool rangeComplete = EndYearEnabled(form) || form.startYear.empty();
  const bool rulesAgree = (form.ruleN == 0) == (form.ruleWeekday == 0);
  return rangeComplete && rulesAgree && !form.name.empty();
}

Result<std::string> MakeHolidayLine(const HolidayEntryForm& form) {
  if (form.name.empty()) return Status::Error("名前を入力して下さい。");
  if (form.name.find_first_of("\r\n") != std::string::npos || !EncodeCp932Exact(form.name)) {
    return Status::Error("「" + form.name + "」には祝日ファイルに保存できない文字が含まれています。");
  }
  if (form.kind == DayKind::kHoliday && (form.name[0] == '$' || form.name[0] == '&')) {
    return Status::Error("祝日名の先頭に「$」や「&」は使えません。");
  }
  std::string line = IsFourDigits(form.startYear) ? form.startYear : "0000";
  line += EndYearEnabled(form) && IsFourDigits(form.endYear) ? form.endYear : "9000";
  line += TwoDigits(form.date.month);
  if (form.IsRule()) {
    line += RuleWeekdayCharacter(form.ruleWeekday);
    line += std::to_string(form.ruleN);
  } else {
    line += "/" + TwoDigits(form.date.day);
  }
  line += "=";
  if (form.kind == DayKind::kEvent) line += "$";
  if (form.kind == DayKind::kOther) line += "&";
  return line + form.name;
}

std::optional<HolidayEntryForm> FormOfLine(std::string_view text, int workingYear) {
  const HolidayLine line = ParseHolidayLine(text);
  if (line.form == HolidayLine::Form::kInvalid) return std::nullopt;
  HolidayEntryForm form;
  form.kind = line.kind;
  form.name = line.name;
  form.startYear = line.ranged ? YearField(line.startYear, false) : std::string();
  form.endYear = line.ranged ? YearField(line.endYear, true) : std::string();
  if (line.form == HolidayLine::Form::kFixed) {
    form.date = CalendarDate{workingYear, line.month, line.day};
    // February 29 of a common year: the picker cannot show it.
    if (!IsValidDate(form.date)) form.date.day = DaysInMonth(workingYear, line.month);
    return form;
  }
  const int month = DigitsAt(line.key, 0, 2).value_or(1);
  form.ruleWeekday = RuleWeekdayNumber(std::string_view(line.key).substr(2, 3)).value_or(0);
  form.ruleN = DigitsAt(line.key, 5, 1).value_or(0);
  if (form.ruleN < 1 || form.ruleN > 5 || month < 1 || month > 12) return std::nullopt;
  const auto date = RuleDate(line.key, workingYear);
  form.date = CalendarDate{workingYear, month, date ? date->day : 1};
  return form;
}

std::string Panel5Text(const HolidayEntryForm& form) {
  if (form.IsRule()) {
    return TwoDigits(form.date.month) + "月の第" + std::to_string(form.ruleN) +
           std::string(RuleWeekdayCharacter(form.ruleWeekday)) + "曜日";
  }
  return TwoDigits(form.date.month) + "月" + TwoDigits(form.date.day) + "日 (" +
         std::string(RuleWeekdayCharacter(WeekdayIndex(form.date) + 1)) + ")";
}

}  // namespace lumidex
