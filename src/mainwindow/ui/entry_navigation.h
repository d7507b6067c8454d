#pragma once

#include <string>

#include "foundation/status.h"

namespace lumidex {

class AlbumStore;
class CalendarController;
class ImageListPanel;

// Where to go in the album: the page of `date` ("yyyy/mm/dd"), inside its
// sub-album `subAlbumSection` ("mm/dd" + name; "" for the page itself),
// with the entry named `entry` selected ("" for none).
struct EntryPlace {
  std::string date;
  std::string subAlbumSection;
  std::string entry;
};

// Goes to `place` as the favourites and the album list do: what is open is
// left (saved) unless it is the place's own container, the calendar shows
// the month of the date (switching the year when needed) without selecting
// a day, the page and the sub-album are opened, the list shows them, and
// the entry is selected and scrolled into view. The error of the first step
// that failed; the list shows what is open then.
Status GoToEntry(const EntryPlace& place, AlbumStore& album, CalendarController& calendar, ImageListPanel& list);

}  // namespace lumidex
