#pragma once

#include <string>

namespace lumidex {

// Where files dropped from the file manager landed.
enum class DropControl {
  kCalendar,    // a day cell of the calendar grid (StringGrid1)
  kPageList,    // the image list while it shows the page list (ListView2)
  kImageList,   // the image list while a page or sub-album is open (ListView2)
  kFreeLayout,  // the free layout panel (FreePanel)
  kOther,       // anywhere else: the calendar bar, the status area...
};

struct DropPlace {
  DropControl control = DropControl::kOther;
  // The page "mm/dd" under the drop point: the day of the calendar cell, or
  // the page of the page-list item; "" when there is none.
  std::string page;
  bool containerOpen = false;  // a page or sub-album is open
  bool pageExists = false;     // `page` is in the page index
};

// What the window does with the dropped paths.
struct DropAction {
  enum class Kind {
    kIgnore,          // nothing; the drop is still finished
    kFreeLayoutText,  // paste the paths, joined with CR LF, as free layout text
    kAddToContainer,  // add to the open page or sub-album
    kAddToPage,       // register on `page` (creating it first when `createPage`)
  };
  Kind kind = Kind::kIgnore;
  std::string page;
  bool createPage = false;

  bool operator==(const DropAction&) const = default;
};

// Routes a drop. While a container is open, drops on the calendar or the
// list go into it, wherever they land. Otherwise they go to the page under
// the point; a drop with no page under it (an empty spot of the page list, a
// spot of the calendar outside the days) is ignored rather than filed under
// an empty page name, and a day without a page gets its page first.
DropAction RouteDrop(const DropPlace& place);

}  // namespace lumidex
