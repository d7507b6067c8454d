// fuzz-libs: lumidex_calendar lumidex_foundation
// Any bytes load as a holiday file; every day of a year gets an entry of a
// known kind, an event or note label within its byte limit, a count of at
// least one when it shows anything, and nothing crashes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/calendar_date.h"
#include "calendar/holiday_calendar.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lumidex;
  if (size < 1) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  // The first byte picks the year: 1899-2154, so years before 1900 and the
  // range edges are reached.
  const int year = 1899 + data[0];
  const DataFolders folders = DataFolders::ForBase("/nonexistent", "fuzz");
  HolidayCalendar holidays(folders, RealFileStore());
  holidays.SetLines(SplitLines(DecodeEditedFile(bytes)));
  for (CalendarDate d{year, 1, 1}; d.year == year; d = AddDays(d, 1)) {
    const std::string text = DateText(d);
    const DayEntryResult entry = holidays.DayEntry(text, year, 20);
    if (entry.kind != DayKind::kHoliday && entry.kind != DayKind::kEvent &&
        entry.kind != DayKind::kOther && entry.kind != DayKind::kNothing) {
      std::abort();
    }
    if (entry.kind != DayKind::kHoliday && Cp932Width(entry.text) > 20) std::abort();
    if (entry.kind != DayKind::kNothing && holidays.EntryCount(text, year) == 0) std::abort();
    (void)holidays.DayText(text);
  }
  return 0;
}
