#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "slideshow/slide_album.h"
#include "slideshow/slide_type.h"

namespace lumidex {

// How a slide show runs, fixed when it is made.
struct SlideShowOptions {
  SlideType type = SlideType::kDay;
  // The day list: "mm/dd" for Days and Year, "yyyy/mm/dd" for List (as
  // ParseDayList gives it). Other forms are normalised by the sequencer; an
  // entry that names no day is left out.
  std::vector<std::string> dayList;
  bool showPagePictures = true;        // "ページの画像を表示する"
  std::vector<std::string> subAlbums;  // the ticked sub-album names
  std::string today;                   // "yyyy/mm/dd"; a day after it ends a multi-day show
};

// One picture of the show.
struct SlideFrame {
  std::string path;     // the picture to show
  std::string comment;  // its entry's comment as stored ("･･" for line breaks)
  size_t position = 0;  // its index in the current container's lines
};

// The order of a slide show: which picture comes next, which page or
// sub-album is open for it, and when the show ends. It never sleeps and
// needs no event loop: the window calls Next() at each timer tick and shows
// the frame; the command line calls it in a loop.
//
// The order, per container of entry lines:
// - entries are taken from `position()` on, in document order; a file entry
//   is shown when it is an existing picture (on a page only when page
//   pictures are shown); with page pictures off, the search on a page skips
//   to the next sub-album reference;
// - a reference "@mm/dd" + name to a ticked sub-album that has lines is
//   entered in place: its pictures come next, then the page goes on after
//   the reference. References are entered from pages only;
// - at the end of the page, "Day" starts the page again from its beginning,
//   unless a whole pass from the beginning showed nothing, which ends the
//   show; the other types go on with the next day that is not locked, exists
//   in its year and has entries, and end at the end of their day list or
//   when the next day would lie after `today`.
// So every call of Next() ends: it returns a picture or ends the show.
//
// Holds a reference to the album, which must outlive it. Not thread-safe.
class SlideSequencer {
 public:
  SlideSequencer(SlideAlbum& album, SlideShowOptions options);
  SlideSequencer(const SlideSequencer&) = delete;
  SlideSequencer& operator=(const SlideSequencer&) = delete;

  // Starts the show. `year` is the loaded year "yyyy", `page` the open page
  // "mm/dd", `lines` the current container's lines (those of the open page,
  // or of its open sub-album when `subAlbum` names one; "" for a page) and
  // `position` the selected entry (0 after an open; past the end counts as
  // 0). A multi-day show whose first day is another day opens it; a first
  // day that is locked, does not exist in its year or has no entries is
  // skipped, so the first step goes on with the next day.
  void Start(std::string_view year, std::string_view page, std::vector<std::string> lines,
             size_t position, std::string_view subAlbum);
  // One step: the next picture, with the container that holds it open; or
  // nullopt when the show has ended (running() is then false). When a
  // multi-day show ends, slideDay() is its home day again (the first day
  // when it was opened, else the day of `year` and `page` of Start) and that
  // page is open again unless it is locked or empty.
  std::optional<SlideFrame> Next();
  void Stop();

  bool running() const { return running_; }
  // "yyyy/mm/dd" of the day shown.
  const std::string& slideDay() const { return slideDay_; }
  // "yyyy" of the year documents the show has open; may differ from the
  // calendar's year during a multi-day show.
  const std::string& slideYear() const { return slideYear_; }
  // The index of the next entry of lines().
  size_t position() const { return position_; }
  // The open sub-album's name, "" while a page is open.
  const std::string& subAlbumName() const { return subAlbumName_; }
  // The current container's lines.
  const std::vector<std::string>& lines() const { return lines_; }
  bool multiDay() const { return multiDay_; }
  // The options with the day list normalised.
  const SlideShowOptions& options() const { return options_; }
  // The position in the day list of the day shown (list-driven shows).
  size_t dayListIndex() const { return dayListIndex_; }
  // "Day": how often the page was started again from its beginning since
  // Start, so a caller can stop after one pass.
  int completedPasses() const { return completedPasses_; }

 private:
  std::string FirstDay() const;
  void OpenFirstDay();
  void DropContainer();
  std::optional<SlideFrame> TakeEntry();
  bool EnterSubAlbum(std::string_view key);
  void LeaveSubAlbum();
  void SkipToSubAlbumReference();
  void AdvanceDay();
  std::optional<std::string> NextDay();
  bool OpenDay(const std::string& day);
  void EndMultiDay();

  SlideAlbum& album_;
  const SlideShowOptions options_;

  bool running_ = false;
  bool multiDay_ = false;
  std::vector<std::string> lines_;
  std::string page_;          // the page "mm/dd" the lines belong to
  std::string subAlbumName_;  // "" on a page
  size_t position_ = 0;
  // Where the page goes on after the entered sub-album; unknown when the
  // show started inside a sub-album (then found by its reference).
  std::optional<size_t> resumePosition_;
  int shownInPass_ = 0;  // pictures shown in the current "Day" pass
  // Whether the current "Day" pass began with the page's first entry (the
  // start position was 0 on the page), so that a pass showing nothing proves
  // the page has nothing to show.
  bool passFromPageStart_ = false;
  int completedPasses_ = 0;
  std::string slideDay_;
  std::string slideYear_;
  std::string homeDay_;  // the day a multi-day show returns to at its end
  size_t dayListIndex_ = 0;
};

}  // namespace lumidex
