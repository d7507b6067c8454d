#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "calendar/calendar_pages.h"
#include "calendar/calendar_state.h"
#include "calendar/holiday_calendar.h"
#include "foundation/status.h"

namespace lumidex {

// The month calendar without its widgets: which 42 days the grid shows,
// which day is selected, where the navigation goes, and when the album's
// year switch and the holiday file change. Not thread-safe (main thread).
class MonthCalendar {
 public:
  static constexpr int kRows = 6;     // day rows 1-6 of the grid
  static constexpr int kColumns = 7;  // day columns 1-7, Sunday first

  // Step tags of the navigation buttons.
  enum class Step { kMonthBack = 0, kMonthOn = 1, kYearBack = 2, kYearOn = 3 };

  // `holidays` and `yearSwitch` must outlive this object. `today` gives the
  // local date (a fixed date in tests). The shown month starts as today's.
  MonthCalendar(HolidayCalendar& holidays, CalendarYearSwitch& yearSwitch,
                std::function<CalendarDate()> today = LocalToday);
  MonthCalendar(const MonthCalendar&) = delete;
  MonthCalendar& operator=(const MonthCalendar&) = delete;

  const CalendarState& state() const { return state_; }

  // Shows the month that contains `dateText` (its first eight characters +
  // "01"); a text that gives no valid first of month shows January of the
  // loaded year (of today's year before any year is loaded). Years are held
  // to 1001-9998. With `selectDay`, then selects the cell of `dateText`.
  // Returns the failure of a year switch, if one ran and failed.
  Status ShowMonth(std::string_view dateText, bool selectDay);

  // Fills the grid for the shown month and runs the year switch and the
  // holiday file choice when the shown year is not the loaded one, or when
  // `forceYearReload`. Does nothing while a year switch runs. The guard is
  // restored however the switch ends.
  Status BuildMonth(bool forceYearReload);

  // Makes the cell showing `dateText` current and selects it; false (and
  // nothing changes) when the month shown has no such cell.
  bool SelectDayCell(std::string_view dateText);

  // The selection of the cell at (row 1-6, column 1-7): remembers it,
  // makes `selectedDay` its date, refreshes today and the day line.
  void SelectCell(int row, int column);

  // The date a navigation button leads to: one month or year back or on,
  // keeping the selected day number (1 when it is not a number) clamped to
  // the target month's length. nullopt when the target would leave the
  // years 1001-9998.
  std::optional<CalendarDate> StepTarget(Step step) const;

  // Shows the step's target with its day selected. False when there is none.
  bool StepBy(Step step, Status* yearSwitchStatus = nullptr);

  // Shows the year of a year list item (its first four characters) with the
  // month and day of the current cell. When that day does not exist in the
  // chosen year (February 29), the cell at the same grid position is
  // selected, so the selected day is always the highlighted cell's date.
  Status ChooseYear(std::string_view itemText);

  // Shows today's month and selects today.
  Status ShowToday();

  // Refreshes `today` from the clock. True when the date changed.
  bool RefreshToday();

  // Marks the first month build of start-up as done.
  void EnablePainting() { state_.paintingSuppressed = false; }
  void SuppressPainting() { state_.paintingSuppressed = true; }

  void SetStripHit(bool hit) { state_.stripHit = hit; }

  // The date of the cell at (row 1-6, column 1-7) and its text (date text
  // + "@0"). REQUIRES: row and column in range.
  const CalendarDate& CellDate(int row, int column) const;
  std::string CellText(int row, int column) const;

  int currentRow() const { return currentRow_; }
  int currentColumn() const { return currentColumn_; }

  // "2014年8月".
  std::string MonthCaption() const;

  // The day line: the selected day's holiday and event names, "-" before
  // the first selection.
  const std::string& dayLine() const { return dayLine_; }

  HolidayCalendar& holidays() const { return holidays_; }

 private:
  void FillGrid();

  HolidayCalendar& holidays_;
  CalendarYearSwitch& yearSwitch_;
  const std::function<CalendarDate()> clock_;
  CalendarState state_;
  std::array<CalendarDate, kRows * kColumns> grid_{};
  int currentRow_ = 1;
  int currentColumn_ = 1;
  std::string dayLine_ = "-";
};

}  // namespace lumidex
