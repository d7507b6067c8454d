#pragma once

#include <QPixmap>

#include "calendar/holiday_line.h"

namespace lumidex {

// The small 16 x 16 pictures of the calendar: holiday, event, other-note and
// several-entries marks, and the two page marks (used in other years too,
// used in this year only; the latter is also the year list's item icon).
// Drawn once in code. Needs a QGuiApplication.
class CalendarMarks {
 public:
  CalendarMarks();

  const QPixmap& HolidayMark(DayKind kind) const;
  const QPixmap& SeveralEntriesMark() const { return several_; }
  const QPixmap& PageMark(bool usedInOtherYears) const {
    return usedInOtherYears ? pageOtherYears_ : pageThisYear_;
  }

 private:
  QPixmap holiday_, event_, other_, several_, pageOtherYears_, pageThisYear_;
};

}  // namespace lumidex
