#pragma once

#include <QObject>

namespace lumidex {

class CalendarController;
class TForm1;

// "祝日の編集" (`SpeedButton13` of the calendar bar): opens the holiday
// editor on the calendar's chosen holiday file with the picker on the
// selected day; when a file changed, the calendar reloads its holidays,
// rebuilds the month and refreshes the day line at once. Main thread only;
// `window` and `calendar` must outlive this object.
class HolidayCommands : public QObject {
  Q_OBJECT

 public:
  HolidayCommands(TForm1& window, CalendarController& calendar, QObject* parent = nullptr);

  // SpeedButton13Click.
  void OpenEditor();

 private:
  TForm1& window_;
  CalendarController& calendar_;
};

}  // namespace lumidex
