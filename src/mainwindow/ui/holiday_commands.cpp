#include "mainwindow/ui/holiday_commands.h"

#include <QAbstractButton>

#include "calendar/ui/calendar_controller.h"
#include "calendar/ui/tholiday_dlg.h"
#include "foundation/file_store.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/tform1.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

HolidayCommands::HolidayCommands(TForm1& window, CalendarController& calendar, QObject* parent)
    : QObject(parent), window_(window), calendar_(calendar) {
  connect(window_.calendarBar()->holidaysButton(), &QAbstractButton::clicked, this,
          &HolidayCommands::OpenEditor);
}

void HolidayCommands::OpenEditor() {
  MonthCalendar& month = calendar_.calendar();
  const std::string selected = month.state().selectedDay;
  const CalendarDate cellDate =
      ParseDateText(selected).value_or(month.CellDate(month.currentRow(), month.currentColumn()));
  THolidayDlg dialog(window_.environment().folders, RealFileStore(),
                     month.holidays().chosenPath(), cellDate,
                     [this](const QString& topic) { window_.ShowHelp(topic); }, &window_);
  dialog.exec();
  if (!dialog.changed()) return;
  month.holidays().Reload();
  calendar_.BuildMonth(true);
  if (!selected.empty()) calendar_.SelectDayCell(ToQString(selected));
}

}  // namespace lumidex
