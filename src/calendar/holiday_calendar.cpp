#include "calendar/holiday_calendar.h"

#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {

HolidayCalendar::HolidayCalendar(const DataFolders& folders, FileStore& store)
    : folders_(folders), store_(store) {}

void HolidayCalendar::ChooseHolidayFile(int year) {
  const std::string yearPath = folders_.holidayDir + std::to_string(year) + ".txt";
  Result<std::string> yearBytes = store_.ReadAll(yearPath);
  if (yearBytes.ok()) {
    SetLines(SplitLines(DecodeEditedFile(yearBytes.value())), yearPath);
    return;
  }
  const std::string generalPath = folders_.dataDir + "NationalHoliday.txt";
  if (chosenPath_ == generalPath) return;
  LoadFrom(generalPath);
}

void HolidayCalendar::Reload() { LoadFrom(chosenPath_); }

void HolidayCalendar::SetLines(const std::vector<std::string>& lines, std::string path) {
  chosenPath_ = std::move(path);
  book_ = HolidayBook(lines);
  derived_.clear();
}

void HolidayCalendar::LoadFrom(const std::string& path) {
  Result<std::string> bytes = store_.ReadAll(path);
  SetLines(bytes.ok() ? SplitLines(DecodeEditedFile(bytes.value())) : std::vector<std::string>{},
           path);
}

const std::map<long long, std::string>& HolidayCalendar::DerivedOf(int year) const {
  auto it = derived_.find(year);
  if (it == derived_.end()) it = derived_.emplace(year, DeriveHolidays(book_, year)).first;
  return it->second;
}

std::string HolidayCalendar::DerivedHoliday(MonthDay md, int year) const {
  const CalendarDate date{year, md.month, md.day};
  if (!IsValidDate(date)) return {};
  const auto& derived = DerivedOf(year);
  const auto it = derived.find(DayNumber(date));
  return it == derived.end() ? std::string() : it->second;
}

DayEntryResult HolidayCalendar::DayEntry(std::string_view dateText, int year,
                                         size_t maxLength) const {
  const auto md = ParseMonthDay(PageKeyOf(dateText));
  if (!md) return {};
  std::string text = book_.LookupDay(*md, year);
  if (!IsHolidayValue(text)) {
    std::string derived = DerivedHoliday(*md, year);
    if (!derived.empty()) return {DayKind::kHoliday, std::move(derived)};
  }
  if (text.empty()) return {};
  if (text[0] == '$' || text[0] == '&') {
    const DayKind kind = text[0] == '$' ? DayKind::kEvent : DayKind::kOther;
    return {kind, std::string(Cp932Prefix(std::string_view(text).substr(1), maxLength))};
  }
  return {DayKind::kHoliday, std::move(text)};
}

int HolidayCalendar::EntryCount(std::string_view dateText, int year) const {
  if (year < 1900) return 0;
  const auto md = ParseMonthDay(PageKeyOf(dateText));
  if (!md) return 0;
  int count = static_cast<int>(book_.Applying(*md, year).size());
  if (!DerivedHoliday(*md, year).empty()) ++count;
  return count;
}

std::string HolidayCalendar::DayText(std::string_view dateText) const {
  const int year = DigitsAt(dateText, 0, 4).value_or(1900);
  const auto md = ParseMonthDay(PageKeyOf(dateText));
  if (!md) return {};
  const auto lines = book_.Applying(*md, year);
  std::string text;
  auto append = [&text](std::string_view separator, std::string_view name) {
    if (!text.empty()) text += separator;
    text += name;
  };
  for (const HolidayLine* line : lines) {
    if (line->kind == DayKind::kHoliday) append("、", line->name);
  }
  const std::string derived = DerivedHoliday(*md, year);
  if (!derived.empty()) append(",", derived);
  for (const HolidayLine* line : lines) {
    if (line->kind != DayKind::kHoliday) append("、", line->name);
  }
  return text;
}

}  // namespace lumidex
