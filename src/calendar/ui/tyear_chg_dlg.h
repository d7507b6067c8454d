#pragma once

#include <QDialog>

#include "foundation/calendar_date.h"

class QCalendarWidget;

namespace lumidex {

// The month chooser "指定した年月に移動": a month calendar preset to the shown
// month, limited to the years the calendar can show, with "OK" and
// "キャンセル". Modal; the caller reads chosenDate() after "OK".
class TYearChgDlg : public QDialog {
  Q_OBJECT

 public:
  TYearChgDlg(const CalendarDate& preset, QWidget* parent = nullptr);

  CalendarDate chosenDate() const;
  QCalendarWidget* calendarWidget() const { return calendar_; }

 private:
  QCalendarWidget* calendar_ = nullptr;
};

}  // namespace lumidex
