#include "calendar/ui/calendar_controller.h"

#include <QApplication>

#include "calendar/japanese_era.h"
#include "calendar/ui/tyear_chg_dlg.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// The busy cursor while a year switch opens documents.
class BusyCursor {
 public:
  explicit BusyCursor(bool active) : active_(active) {
    if (active_) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BusyCursor() {
    if (active_) QApplication::restoreOverrideCursor();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool active_;
};

}  // namespace

CalendarController::CalendarController(MonthCalendar& calendar, QObject* parent)
    : QObject(parent), calendar_(calendar) {
  grid_ = new CalendarGrid(calendar_);
  controls_ = new CalendarControls();
  connect(grid_, &CalendarGrid::dayCellPressed, this, &CalendarController::OnDayPressed);
  connect(grid_, &CalendarGrid::dayCellDoubleClicked, this,
          &CalendarController::OnDayDoubleClicked);
  connect(grid_, &CalendarGrid::otherButtonPressed, this, [this] { ReportDayStatus(); });
  connect(controls_, &CalendarControls::stepRequested, this, &CalendarController::OnStep);
  connect(controls_, &CalendarControls::chooserRequested, this, &CalendarController::OnChooser);
  connect(controls_, &CalendarControls::yearChosen, this, &CalendarController::OnYearChosen);
  connect(controls_, &CalendarControls::todayRequested, this, &CalendarController::OnToday);
  controls_->SetYearListAboutToShow([this] { RefreshYearList(); });
  controls_->SetCaption(ToQString(calendar_.MonthCaption()));
  RefreshTodayPanel();
}

CalendarController::~CalendarController() {
  // Widgets the window never placed have no parent and are ours to free.
  if (grid_ && grid_->parent() == nullptr) delete grid_;
  if (controls_ && controls_->parent() == nullptr) delete controls_;
}

void CalendarController::ShowMonth(const QString& dateText, bool selectDay) {
  const std::string text = ToStdString(dateText);
  Navigate(text, [&] { return calendar_.ShowMonth(text, selectDay); });
}

void CalendarController::BuildMonth(bool forceYearReload) {
  const int previousYear = calendar_.state().shownYear;
  const std::string previousLoaded = calendar_.state().loadedYear;
  Status status;
  {
    BusyCursor busy(forceYearReload);
    status = calendar_.BuildMonth(forceYearReload);
  }
  if (!status.ok()) emit errorRaised(ToQString(status.message()));
  AfterShow(previousYear, forceYearReload || previousLoaded != calendar_.state().loadedYear);
}

void CalendarController::SelectDayCell(const QString& dateText) {
  if (calendar_.SelectDayCell(ToStdString(dateText))) ReportSelection();
}

void CalendarController::EnablePainting() {
  calendar_.EnablePainting();
  grid_->update();
}

bool CalendarController::Navigate(const std::string& dateText,
                                  const std::function<Status()>& show) {
  const int previousYear = calendar_.state().shownYear;
  const auto target = ParseDateText(dateText.substr(0, std::min<size_t>(10, dateText.size())));
  const bool yearChanges = target && target->year != previousYear;
  if (yearChanges && yearChangeCheck_ && !yearChangeCheck_(target->year)) return false;
  const std::string selectedBefore = calendar_.state().selectedDay;
  const std::string loadedBefore = calendar_.state().loadedYear;
  Status status;
  {
    BusyCursor busy(target && std::to_string(target->year) != calendar_.state().loadedYear);
    status = show();
  }
  if (!status.ok()) emit errorRaised(ToQString(status.message()));
  AfterShow(previousYear, loadedBefore != calendar_.state().loadedYear);
  if (calendar_.state().selectedDay != selectedBefore) ReportSelection();
  return true;
}

void CalendarController::AfterShow(int previousYear, bool yearSwitched) {
  const CalendarState& state = calendar_.state();
  controls_->SetCaption(ToQString(calendar_.MonthCaption()));
  if (yearSwitched) RefreshYearList();
  grid_->update();
  emit monthShown(ToQString(state.shownMonthText), state.shownYear != previousYear);
}

void CalendarController::ReportSelection() {
  RefreshTodayPanel();
  grid_->update();
  emit daySelected(ToQString(calendar_.state().selectedDay));
  emit dayLineChanged(ToQString(calendar_.dayLine()));
}

void CalendarController::OnStep(MonthCalendar::Step step) {
  emit navigationStarted();
  const auto target = calendar_.StepTarget(step);
  if (!target) return;
  const std::string text = DateText(*target);
  Navigate(text, [&] { return calendar_.ShowMonth(text, true); });
}

void CalendarController::OnChooser() {
  TYearChgDlg dialog(calendar_.state().shownMonthStart, grid_ ? grid_->window() : nullptr);
  if (dialog.exec() != QDialog::Accepted) return;
  emit navigationStarted();
  const std::string text = DateText(dialog.chosenDate());
  Navigate(text, [&] { return calendar_.ShowMonth(text, true); });
}

void CalendarController::OnYearChosen(const QString& itemText) {
  emit navigationStarted();
  const std::string item = ToStdString(itemText);
  const std::string current =
      calendar_.CellText(calendar_.currentRow(), calendar_.currentColumn()).substr(0, 10);
  const std::string target = item.substr(0, std::min<size_t>(4, item.size())) + current.substr(4);
  Navigate(target, [&] { return calendar_.ChooseYear(item); });
}

void CalendarController::OnToday() {
  calendar_.RefreshToday();
  const std::string today = calendar_.state().today;
  Navigate(today, [&] { return calendar_.ShowToday(); });
}

void CalendarController::OnDayPressed(int column, int row, bool onStrip) {
  calendar_.SelectCell(row, column);
  calendar_.SetStripHit(onStrip);
  ReportSelection();
  ReportDayStatus();
  emit dayPressed(ToQString(calendar_.CellText(row, column).substr(5, 5)), onStrip);
}

void CalendarController::ReportDayStatus() {
  if (pages_ == nullptr) return;
  const std::string md =
      calendar_.CellText(calendar_.currentRow(), calendar_.currentColumn()).substr(5, 5);
  emit dayStatusChanged(ToQString(DayStatusText(*pages_, md, calendar_.state().loadedYear)));
}

void CalendarController::OnDayDoubleClicked(int column, int row) {
  emit dayDoubleClicked(ToQString(calendar_.CellText(row, column).substr(0, 10)));
}

void CalendarController::SetPageSource(const CalendarPageSource* pages) {
  pages_ = pages;
  grid_->painter().SetPages(pages);
  PagesChanged();
}

void CalendarController::PagesChanged() {
  grid_->covers().Clear();
  grid_->update();
}

void CalendarController::SetCellSettings(const CellSettings& settings) {
  grid_->painter().SetSettings(settings);
  grid_->update();
}

void CalendarController::SetWeekdayNames(bool english) {
  grid_->painter().SetEnglishWeekdays(english);
  grid_->update();
}

void CalendarController::SetSchemeColours(const CalendarSchemeColours& colours) {
  controls_->SetSchemeColours(colours);
}

void CalendarController::SetYearListProvider(std::function<std::vector<std::string>()> provider) {
  yearListProvider_ = std::move(provider);
  RefreshYearList();
}

void CalendarController::SetYearChangeCheck(std::function<bool(int)> check) {
  yearChangeCheck_ = std::move(check);
}

bool CalendarController::RefreshToday() {
  const bool changed = calendar_.RefreshToday();
  if (changed) {
    RefreshTodayPanel();
    grid_->update();
  }
  return changed;
}

void CalendarController::RefreshYearList() {
  if (!yearListProvider_) return;
  controls_->SetYearItems(yearListProvider_(), calendar_.state().loadedYear,
                          grid_->marks().PageMark(false));
}

void CalendarController::RefreshTodayPanel() {
  const auto today = ParseDateText(calendar_.state().today);
  if (!today) return;
  controls_->SetToday(ToQString(TodayPanelText(*today)), ToQString(TodayPanelHint(*today)));
}

}  // namespace lumidex
