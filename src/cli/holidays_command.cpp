// lumidex-cli holidays YYYY: the holidays, events and notes of one year as
// the calendar shows them, derived substitute and citizens' holidays
// included, from the user's holiday files.
#include <ostream>

#include "foundation/calendar_date.h"
#include "calendar/general_holiday_file.h"
#include "calendar/holiday_calendar.h"
#include "cli/cli_command.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunHolidays(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kHolidaysUsage = "  lumidex-cli holidays YYYY\n";
const CliRegistration kHolidays(
    {"holidays", kHolidaysUsage,
     "print every day of year YYYY that has an entry: 'yyyy/mm/dd<TAB>kind<TAB>day text', "
     "kind 0 holiday, 1 event, 2 other note",
     RunHolidays});

int RunHolidays(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() != 1) return UsageError(io, kHolidaysUsage, "holidays takes one year");
  const auto year = args[0].size() == 4 ? DigitsAt(args[0], 0, 4) : std::nullopt;
  if (!year || *year < kFirstShownYear || *year > kLastShownYear) {
    return UsageError(io, kHolidaysUsage, "the year must be four digits from 1001 to 9998");
  }
  const DataFolders folders =
      DataFolders::ForBase(platform::ApplicationBaseFolder(), platform::LoginName());
  folders.CreateAll();
  // Without the general file the year's own file still gives its days.
  if (const Status installed = InstallGeneralHolidayFile(folders, platform::ShareFolder());
      !installed.ok()) {
    io.err << "lumidex-cli: " << installed.message() << "\n";
  }
  HolidayCalendar holidays(folders, RealFileStore());
  holidays.ChooseHolidayFile(*year);
  for (CalendarDate date{*year, 1, 1}; date.year == *year; date = AddDays(date, 1)) {
    const std::string text = DateText(date);
    if (holidays.EntryCount(text, *year) == 0) continue;
    const DayEntryResult entry = holidays.DayEntry(text, *year, 20);
    io.out << text << "\t" << static_cast<int>(entry.kind) << "\t" << holidays.DayText(text)
           << "\n";
  }
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
