#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/status.h"
#include "slideshow/slide_sequencer.h"

namespace lumidex {

class AlbumStore;

// The slide show over the window's album store: the days and sub-albums the
// show moves to are opened in the store itself, so the image list shows
// what is on screen and every pending change (a comment applied during the
// show) is saved before the store's lines are replaced. A day of another
// year switches the store's year documents, which the calendar does not
// see; ReturnTo puts the store back where the show started.
//
// `containerChanged` runs after every change of the open container (the
// list follows it, the music chooses the container's playlist); `failed`
// gets the message of a save or read that failed (the show then treats the
// day as empty). Main thread only; the store must outlive this object.
class StoreSlideAlbum : public SlideAlbum {
 public:
  struct Place {
    std::string year;      // "yyyy"
    std::string page;      // "mm/dd", "" for the page list
    std::string subAlbum;  // the open sub-album's section, "" for none
  };

  StoreSlideAlbum(AlbumStore& store, std::function<void()> containerChanged,
                  std::function<void(const Status&)> failed);

  std::optional<std::vector<std::string>> OpenPage(std::string_view year, std::string_view page) override;
  std::vector<std::string> OpenSubAlbum(std::string_view section) override;
  std::vector<std::string> BackToPage() override;
  bool IsLocked(std::string_view year, std::string_view page) const override;
  bool IsShowablePicture(const std::string& path) const override;

  // Where the store stands now.
  Place Here() const;
  // Opens `place` again in the store when it stands elsewhere: the year
  // (its summaries rebuilt, so the calendar draws that year again), the
  // page and the sub-album. True when anything changed.
  bool ReturnTo(const Place& place);

 private:
  bool Check(const Status& status);
  // The store's year becomes `year`, with its page summaries when the
  // calendar is to show it; false when that failed.
  bool SwitchTo(std::string_view year, bool forCalendar);

  AlbumStore& store_;
  const std::function<void()> containerChanged_;
  const std::function<void(const Status&)> failed_;
};

}  // namespace lumidex
