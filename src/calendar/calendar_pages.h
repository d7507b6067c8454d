#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"

namespace lumidex {

// What a day cell shows of the page of its month and day in the loaded year.
// The cover bytes stay valid until the source reports a change.
struct DayPageView {
  bool autoCover = false;           // the page index value contains ".alb"
  std::string_view coverJpeg;       // the cover thumbnail (JPEG); empty: none
  bool coverManagedOrIcon = false;  // the cover file is of a managed or icon type
  bool hasEntries = false;          // at least one entry in the loaded year document
  bool usedInOtherYears = false;    // PageUsedInOtherYears(md, loadedYear)
};

// The album as the calendar sees it: implemented over the album store by the
// main window, and by fakes in tests. Called on the main thread only.
class CalendarPageSource {
 public:
  virtual ~CalendarPageSource() = default;

  // The page of `md` ("mm/dd") in the page index, or nullopt when there is
  // no page for that month and day.
  virtual std::optional<DayPageView> PageOf(std::string_view md) const = 0;

  // The names of the page's sub-albums in the loaded year, in document
  // order (sections of the sub-album document named `md` + name).
  virtual std::vector<std::string> SubAlbumNames(std::string_view md) const = 0;
};

// The year switch of the album: saves and closes the open year documents,
// opens those of `year` and rebuilds what depends on them (page summaries,
// page list, year list). On failure the year stays as it was.
class CalendarYearSwitch {
 public:
  virtual ~CalendarYearSwitch() = default;
  virtual Status SwitchYear(int year) = 0;
};

// The status bar text of a day: "ページなし" without a page; the "...日は、画像が
// 未登録です。" text when the page has no entry in the loaded year; else the
// page's sub-album names joined by " 、" (empty when it has none).
std::string DayStatusText(const CalendarPageSource& pages, std::string_view md,
                          std::string_view loadedYear);

}  // namespace lumidex
