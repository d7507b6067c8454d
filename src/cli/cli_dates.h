#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "foundation/calendar_date.h"

namespace lumidex::cli {

// Dates, years and page keys as the commands take them from the command
// line. Only what the calendar can show is accepted, so a command never
// writes a year document, a page or an entry for a day that does not exist
// (2023/02/29, 04/31) or a year the window cannot reach (0000.ini).

// The date of "yyyy/mm/dd" when it is a real day of a year from
// kFirstShownYear to kLastShownYear; nullopt otherwise.
std::optional<CalendarDate> ParseAlbumDate(std::string_view text);

// True for a date text ParseAlbumDate accepts.
bool IsAlbumDate(std::string_view text);

// True for "yyyy", four digits from kFirstShownYear to kLastShownYear.
bool IsAlbumYear(std::string_view text);

// True for a page key "mm/dd" that names a day of some year: 02/29 is a
// page (leap years have it), 02/30 and 04/31 are not.
bool IsAlbumPage(std::string_view page);

}  // namespace lumidex::cli
