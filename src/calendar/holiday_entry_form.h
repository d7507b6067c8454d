#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calendar/holiday_line.h"
#include "foundation/calendar_date.h"
#include "foundation/status.h"

namespace lumidex {

// The entry fields of the holiday editor: what one holiday line says, in the
// form the dialog's controls hold it. Plain value type.
struct HolidayEntryForm {
  DayKind kind = DayKind::kHoliday;  // kHoliday, kEvent or kOther
  // The picker: the date of a fixed-date entry, the month of a rule. Its
  // year is the editor's working year.
  CalendarDate date{2000, 1, 1};
  int ruleN = 0;        // 1-5; 0 when the "第" box is unset ("なし")
  int ruleWeekday = 0;  // 1 (Sunday) - 7 (Saturday); 0 when unset ("なし")
  std::string startYear;  // the "開始" field as typed
  std::string endYear;    // the "終了" field as typed
  std::string name;       // without marker

  bool IsRule() const { return ruleN != 0 && ruleWeekday != 0; }
  bool operator==(const HolidayEntryForm&) const = default;
};

// True while the start field holds exactly four digits; only then does the
// end field count.
bool EndYearEnabled(const HolidayEntryForm& form);

// True when "追加" and "置換" may be used: the range is complete (the end field
// is enabled or the start field is empty), the rule boxes are both set or
// both unset, and the name is not empty.
bool CanStoreEntry(const HolidayEntryForm& form);

// The holiday file line of `form`: range + key + "=" + marker + name. The
// range is the start field when it has four digits, else "0000", then the
// end field when it is enabled and has four digits, else "9000". The key is
// the picker's "mm/dd", or with both rule boxes set the picker's month, the
// weekday character and n.
// Error with the message the dialog shows when the line could not be stored
// faithfully: a name cp932 cannot hold, a name with a line break, or a
// holiday whose name starts with "$" or "&" (it would read back as an event
// or a note), an empty name. Call only when CanStoreEntry(form).
Result<std::string> MakeHolidayLine(const HolidayEntryForm& form);

// The fields of a listed line, with `workingYear` as the picker's year: the
// fixed date, or the date of the rule in that year (the 1st of its month
// when the weekday does not occur n times). The start field is empty for 0,
// the end field empty for 9000 and above. nullopt for a line whose key is
// neither form.
std::optional<HolidayEntryForm> FormOfLine(std::string_view line, int workingYear);

// The entry's date in words (`Panel5`): with both rule boxes set the month,
// "月の第", n, the weekday and "曜日" ("09月の第3月曜日"); otherwise the date
// as "09月21日 (月)".
std::string Panel5Text(const HolidayEntryForm& form);

}  // namespace lumidex
