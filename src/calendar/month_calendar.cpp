#include "calendar/month_calendar.h"

#include <algorithm>

namespace lumidex {
namespace {

// Restores the month build's re-entrancy guard however the year switch ends.
class BuildingGuard {
 public:
  explicit BuildingGuard(bool& building) : building_(building) { building_ = false; }
  ~BuildingGuard() { building_ = true; }
  BuildingGuard(const BuildingGuard&) = delete;
  BuildingGuard& operator=(const BuildingGuard&) = delete;

 private:
  bool& building_;
};

CalendarDate FirstOfMonth(int year, int month) { return CalendarDate{year, month, 1}; }

}  // namespace

MonthCalendar::MonthCalendar(HolidayCalendar& holidays, CalendarYearSwitch& yearSwitch,
                             std::function<CalendarDate()> today)
    : holidays_(holidays), yearSwitch_(yearSwitch), clock_(std::move(today)) {
  const CalendarDate now = clock_();
  state_.today = DateText(now);
  state_.shownMonthStart =
      FirstOfMonth(std::clamp(now.year, kFirstShownYear, kLastShownYear), now.month);
  state_.shownMonth = state_.shownMonthStart.month;
  state_.shownYear = state_.shownMonthStart.year;
  state_.shownMonthText = DateText(state_.shownMonthStart);
  FillGrid();
}

Status MonthCalendar::ShowMonth(std::string_view dateText, bool selectDay) {
  const std::string firstText =
      std::string(dateText.substr(0, std::min<size_t>(8, dateText.size()))) + "01";
  std::optional<CalendarDate> first = ParseDateText(firstText);
  if (!first) {
    const int fallbackYear =
        DigitsAt(state_.loadedYear, 0, 4).value_or(ParseDateText(state_.today)->year);
    first = FirstOfMonth(fallbackYear, 1);
  }
  if (first->year < kFirstShownYear) first = FirstOfMonth(kFirstShownYear, 1);
  if (first->year > kLastShownYear) first = FirstOfMonth(kLastShownYear, 12);
  state_.shownMonthStart = *first;
  state_.shownMonth = first->month;
  state_.shownYear = first->year;
  Status status = BuildMonth(false);
  if (selectDay) SelectDayCell(dateText);
  return status;
}

Status MonthCalendar::BuildMonth(bool forceYearReload) {
  if (!state_.building) return Status::Ok();
  FillGrid();
  state_.shownMonthText = DateText(state_.shownMonthStart);
  const std::string year = state_.shownMonthText.substr(0, 4);
  Status status;
  if (year != state_.loadedYear || forceYearReload) {
    BuildingGuard guard(state_.building);
    status = yearSwitch_.SwitchYear(state_.shownYear);
    if (status.ok()) state_.loadedYear = year;
    holidays_.ChooseHolidayFile(state_.shownYear);
  }
  return status;
}

void MonthCalendar::FillGrid() {
  const CalendarDate start = AddDays(state_.shownMonthStart, -WeekdayIndex(state_.shownMonthStart));
  const long long first = DayNumber(start);
  for (size_t i = 0; i < grid_.size(); ++i)
    grid_[i] = FromDayNumber(first + static_cast<long long>(i));
}

const CalendarDate& MonthCalendar::CellDate(int row, int column) const {
  return grid_[static_cast<size_t>((row - 1) * kColumns + (column - 1))];
}

std::string MonthCalendar::CellText(int row, int column) const {
  return DateText(CellDate(row, column)) + "@0";
}

bool MonthCalendar::SelectDayCell(std::string_view dateText) {
  const auto date = ParseDateText(dateText.substr(0, std::min<size_t>(10, dateText.size())));
  if (!date) return false;
  for (int column = 1; column <= kColumns; ++column) {
    for (int row = 1; row <= kRows; ++row) {
      if (CellDate(row, column) == *date) {
        SelectCell(row, column);
        return true;
      }
    }
  }
  return false;
}

void MonthCalendar::SelectCell(int row, int column) {
  currentRow_ = row;
  currentColumn_ = column;
  const std::string text = CellText(row, column);
  state_.selectedDay = text.substr(0, 10);
  state_.selectedRow = row;
  state_.selectedCol = column;
  RefreshToday();
  dayLine_ = holidays_.DayText(text);
}

std::optional<CalendarDate> MonthCalendar::StepTarget(Step step) const {
  int year = state_.shownMonthStart.year;
  int month = state_.shownMonthStart.month;
  const int day = DigitsAt(state_.selectedDay, 8, 2).value_or(1);
  switch (step) {
    case Step::kMonthBack:
      if (--month == 0) month = 12, --year;
      break;
    case Step::kMonthOn:
      if (++month == 13) month = 1, ++year;
      break;
    case Step::kYearBack:
      --year;
      break;
    case Step::kYearOn:
      ++year;
      break;
  }
  if (year < kFirstShownYear || year > kLastShownYear) return std::nullopt;
  return CalendarDate{year, month, std::clamp(day, 1, DaysInMonth(year, month))};
}

bool MonthCalendar::StepBy(Step step, Status* yearSwitchStatus) {
  const auto target = StepTarget(step);
  if (!target) return false;
  Status status = ShowMonth(DateText(*target), true);
  if (yearSwitchStatus) *yearSwitchStatus = std::move(status);
  return true;
}

Status MonthCalendar::ChooseYear(std::string_view itemText) {
  const std::string md = CellText(currentRow_, currentColumn_).substr(5, 5);
  const std::string dateText =
      std::string(itemText.substr(0, std::min<size_t>(4, itemText.size()))) + "/" + md;
  const int row = currentRow_;
  const int column = currentColumn_;
  Status status = ShowMonth(dateText, true);
  if (state_.selectedDay != dateText) SelectCell(row, column);
  return status;
}

Status MonthCalendar::ShowToday() {
  RefreshToday();
  return ShowMonth(state_.today, true);
}

bool MonthCalendar::RefreshToday() {
  const std::string today = DateText(clock_());
  if (today == state_.today) return false;
  state_.today = today;
  return true;
}

std::string MonthCalendar::MonthCaption() const {
  return std::to_string(state_.shownMonthStart.year) + "年" +
         std::to_string(state_.shownMonthStart.month) + "月";
}

}  // namespace lumidex
