#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "calendar/calendar_pages.h"
#include "calendar/cell_settings.h"
#include "calendar/month_calendar.h"
#include "calendar/ui/calendar_controls.h"
#include "calendar/ui/calendar_grid.h"

namespace lumidex {

// The month calendar on screen: creates the grid `StringGrid1` and the bar
// controls, turns their gestures into MonthCalendar operations and tells
// the window what happened through signals. The window places grid() and
// controls() (it owns them once placed) and gives the album through the
// setters. Every navigation ends in ShowMonth. Main thread only.
class CalendarController : public QObject {
  Q_OBJECT

 public:
  // `calendar` must outlive the controller.
  explicit CalendarController(MonthCalendar& calendar, QObject* parent = nullptr);
  ~CalendarController() override;

  CalendarGrid* grid() const { return grid_; }
  CalendarControls* controls() const { return controls_; }
  MonthCalendar& calendar() const { return calendar_; }

  // Shows the month of `dateText`, selecting its day when `selectDay`.
  // A failed year switch is reported through errorRaised.
  void ShowMonth(const QString& dateText, bool selectDay);
  // Rebuilds the shown month, running the year switch when `forceYearReload`
  // (after the holiday file changed).
  void BuildMonth(bool forceYearReload);
  // Selects the cell of `dateText` when the month shows it.
  void SelectDayCell(const QString& dateText);
  // Ends the start-up's painting suppression and shows the grid.
  void EnablePainting();

  // The page data of the loaded year; null for none. Not owned.
  void SetPageSource(const CalendarPageSource* pages);
  // The page summaries changed (covers, marks, entries): repaint.
  void PagesChanged();
  void SetCellSettings(const CellSettings& settings);
  // The weekday header in English ("langfrg") or Japanese.
  void SetWeekdayNames(bool english);
  void SetSchemeColours(const CalendarSchemeColours& colours);
  // Gives the year list items, asked for before each drop-down and after
  // each year switch.
  void SetYearListProvider(std::function<std::vector<std::string>()> provider);
  // Asked before a navigation changes the year (the free layout's save
  // question); returning false cancels the navigation.
  void SetYearChangeCheck(std::function<bool(int newYear)> check);
  // Refreshes today's panel; true when the date changed.
  bool RefreshToday();
  // Emits dayStatusChanged for the grid's current cell (after its page
  // changed).
  void ReportDayStatus();

 signals:
  // The selected day changed (date text).
  void daySelected(const QString& dateText);
  void dayDoubleClicked(const QString& dateText);
  // The day line `Label3`.
  void dayLineChanged(const QString& text);
  // Status bar panel 2 after a press on the grid: the current cell's page.
  void dayStatusChanged(const QString& text);
  // A left press on the day of page `md`; `onStrip`: on its date strip
  // (the detail list shows the page then, and hides otherwise).
  void dayPressed(const QString& md, bool onStrip);
  // A navigation starts (the detail list hides).
  void navigationStarted();
  // A month is shown; `yearChanged` when its year differs from before.
  void monthShown(const QString& monthStartText, bool yearChanged);
  // An error to show in the window's error box.
  void errorRaised(const QString& message);

 private:
  void OnStep(MonthCalendar::Step step);
  void OnChooser();
  void OnYearChosen(const QString& itemText);
  void OnToday();
  void OnDayPressed(int column, int row, bool onStrip);
  void OnDayDoubleClicked(int column, int row);
  // Shows the month of `dateText` after the year change check; false when
  // it was cancelled.
  bool Navigate(const std::string& dateText, const std::function<Status()>& show);
  void AfterShow(int previousYear, bool yearSwitched);
  void RefreshYearList();
  void RefreshTodayPanel();
  void ReportSelection();

  MonthCalendar& calendar_;
  QPointer<CalendarGrid> grid_;
  QPointer<CalendarControls> controls_;
  std::function<std::vector<std::string>()> yearListProvider_;
  std::function<bool(int)> yearChangeCheck_;
  const CalendarPageSource* pages_ = nullptr;
};

}  // namespace lumidex
