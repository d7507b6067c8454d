#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/calendar_pages.h"

namespace lumidex {

class AlbumStore;

// The album store as the month calendar reads it: the page of a day cell
// from the page index, its cover from the page summary, and whether the
// loaded year holds entries for it. Main thread only; `album` must outlive
// this object.
class AlbumPageSource : public CalendarPageSource {
 public:
  explicit AlbumPageSource(const AlbumStore& album) : album_(album) {}

  std::optional<DayPageView> PageOf(std::string_view md) const override;
  std::vector<std::string> SubAlbumNames(std::string_view md) const override;

 private:
  const AlbumStore& album_;
};

// The year switch a month build runs: the album store leaves the open
// container, saves and opens the documents of the year, rebuilds the page
// summaries and the page list, and then `switched` tells the views. On a
// failure nothing after the store's switch runs and the old year stays.
class AlbumYearSwitch : public CalendarYearSwitch {
 public:
  AlbumYearSwitch(AlbumStore& album, std::function<void()> switched)
      : album_(album), switched_(std::move(switched)) {}

  // The documents of `year` are opened even when it is already the shown
  // year: the calendar asks again only when something on disk changed.
  Status SwitchYear(int year) override;

 private:
  AlbumStore& album_;
  std::function<void()> switched_;
};

}  // namespace lumidex
