#include "slideshow/slide_sequencer.h"

#include <cstdio>
#include <utility>

#include "album/album_text.h"
#include "foundation/calendar_date.h"
#include "foundation/text_compare.h"
#include "slideshow/day_list.h"

namespace lumidex {
namespace {

// The day list in the form the type uses; entries that name no day are left
// out. "mm/dd" entries of a List are taken in today's year, as the dialog
// takes them.
SlideShowOptions Normalised(SlideShowOptions options) {
  const int currentYear = DigitsAt(options.today, 0, 4).value_or(0);
  std::vector<std::string> days;
  for (const auto& entry : options.dayList) {
    if (auto day = NormaliseDayListEntry(options.type, entry, currentYear)) {
      days.push_back(std::move(*day));
    }
  }
  options.dayList = std::move(days);
  return options;
}

std::string YearText(int year) {
  char text[8];
  std::snprintf(text, sizeof text, "%04d", year);
  return text;
}

}  // namespace

SlideSequencer::SlideSequencer(SlideAlbum& album, SlideShowOptions options)
    : album_(album), options_(Normalised(std::move(options))) {}

void SlideSequencer::Start(std::string_view year, std::string_view page,
                           std::vector<std::string> lines, size_t position,
                           std::string_view subAlbum) {
  running_ = true;
  multiDay_ = options_.type != SlideType::kDay;
  shownInPass_ = 0;
  completedPasses_ = 0;
  dayListIndex_ = 0;
  lines_ = std::move(lines);
  page_ = page;
  subAlbumName_ = subAlbum;
  resumePosition_.reset();
  position_ = position < lines_.size() ? position : 0;
  passFromPageStart_ = position_ == 0 && subAlbumName_.empty();
  slideYear_ = year;
  homeDay_ = std::string(year) + "/" + std::string(page);
  slideDay_ = FirstDay();
  if (multiDay_) OpenFirstDay();
}

std::string SlideSequencer::FirstDay() const {
  if (options_.type == SlideType::kDay || options_.dayList.empty()) return homeDay_;
  if (options_.type == SlideType::kList) return options_.dayList.front();
  return slideYear_ + "/" + options_.dayList.front();
}

void SlideSequencer::OpenFirstDay() {
  if (slideDay_ == homeDay_) {
    // The day is open already; a locked one is skipped as on any later day.
    if (album_.IsLocked(slideYear_, page_)) DropContainer();
    return;
  }
  if (OpenDay(slideDay_)) {
    passFromPageStart_ = true;
    homeDay_ = slideDay_;
  } else {
    DropContainer();
  }
}

// Leaves the show with nothing to show from the current container, so that
// the first step goes on with the next day. The album's own container is not
// touched: the next day's OpenPage replaces it.
void SlideSequencer::DropContainer() {
  lines_.clear();
  subAlbumName_.clear();
  position_ = 0;
}

void SlideSequencer::Stop() { running_ = false; }

std::optional<SlideFrame> SlideSequencer::Next() {
  while (running_) {
    if (position_ >= lines_.size()) {
      if (!subAlbumName_.empty()) {
        LeaveSubAlbum();
        if (position_ < lines_.size()) continue;
      }
      // The page is exhausted, also when its last entry was the sub-album
      // just left: "Day" then goes through the pass rule, which ends a show
      // that shows nothing instead of wrapping round for ever.
      position_ = 0;
      AdvanceDay();
      continue;
    }
    if (std::optional<SlideFrame> frame = TakeEntry()) return frame;
  }
  return std::nullopt;
}

// Looks at the entry at position_: returns it when it is a picture to show
// (position_ then names the entry after it), enters it when it is a ticked
// sub-album with lines (position_ 0 in the sub-album), else moves on.
std::optional<SlideFrame> SlideSequencer::TakeEntry() {
  const std::string& line = lines_[position_];
  const std::string_view key = EntryNameOf(line);
  const bool onPage = subAlbumName_.empty();
  if (IsSubAlbumEntry(key)) {
    // Sub-albums hold files only; a reference inside one is not followed.
    if (onPage && EnterSubAlbum(key)) return std::nullopt;
  } else if ((!onPage || options_.showPagePictures) && album_.IsShowablePicture(std::string(key))) {
    SlideFrame frame{std::string(key), std::string(EntryCommentOf(line)), position_};
    if (!multiDay_) ++shownInPass_;
    ++position_;
    return frame;
  }
  ++position_;
  // Without the page's pictures only sub-albums can show anything; inside a
  // sub-album every entry is a candidate.
  if (onPage && !options_.showPagePictures) SkipToSubAlbumReference();
  return std::nullopt;
}

void SlideSequencer::SkipToSubAlbumReference() {
  while (position_ < lines_.size() && !IsSubAlbumEntry(EntryNameOf(lines_[position_]))) {
    ++position_;
  }
}

// `key` points into lines_, which entering replaces: the names are copied.
bool SlideSequencer::EnterSubAlbum(std::string_view key) {
  const std::string section(key.substr(1));
  std::string name(SubAlbumNameOf(section));
  if (name.empty()) return false;
  bool ticked = false;
  for (const auto& subAlbum : options_.subAlbums) ticked = ticked || EqualsNoCase(subAlbum, name);
  if (!ticked) return false;
  std::vector<std::string> lines = album_.OpenSubAlbum(section);
  if (lines.empty()) return false;
  resumePosition_ = position_ + 1;
  lines_ = std::move(lines);
  subAlbumName_ = std::move(name);
  position_ = 0;
  return true;
}

void SlideSequencer::LeaveSubAlbum() {
  lines_ = album_.BackToPage();
  if (!resumePosition_) {
    // Started inside the sub-album: the page goes on after its reference,
    // or from its beginning when the page holds none.
    const std::string reference = "@" + page_ + subAlbumName_;
    resumePosition_ = 0;
    for (size_t i = 0; i < lines_.size(); ++i) {
      if (EqualsNoCase(EntryNameOf(lines_[i]), reference)) {
        resumePosition_ = i + 1;
        break;
      }
    }
  }
  position_ = *resumePosition_;
  subAlbumName_.clear();
}

void SlideSequencer::AdvanceDay() {
  if (!multiDay_) {
    if (passFromPageStart_ && shownInPass_ == 0) {
      Stop();
      return;
    }
    shownInPass_ = 0;
    passFromPageStart_ = true;
    ++completedPasses_;
    return;
  }
  while (running_) {
    const std::optional<std::string> day = NextDay();
    if (!day || *day > options_.today) {
      EndMultiDay();
      return;
    }
    slideDay_ = *day;
    if (OpenDay(*day)) return;
  }
}

// The day after slideDay_ for the show's type and day list, or nullopt at the
// end of the list. Days that do not exist in their year (02/29) are given as
// they are, for OpenDay to skip; years beyond the calendar's end the show.
std::optional<std::string> SlideSequencer::NextDay() {
  const std::vector<std::string>& list = options_.dayList;
  const std::optional<int> year = DigitsAt(slideDay_, 0, 4);
  if (!year) return std::nullopt;
  int nextYear = *year;
  std::string next;
  switch (options_.type) {
    case SlideType::kDay:
      return std::nullopt;
    case SlideType::kDays:
      if (list.empty()) {
        const std::optional<CalendarDate> date = ParseDateText(slideDay_);
        if (!date) return std::nullopt;
        const CalendarDate following = AddDays(*date, 1);
        nextYear = following.year;
        next = DateText(following);
      } else {
        if (++dayListIndex_ >= list.size()) return std::nullopt;
        next = YearText(nextYear) + "/" + list[dayListIndex_];
      }
      break;
    case SlideType::kYear:
      if (list.empty()) {
        ++nextYear;
        next = YearText(nextYear) + "/" + std::string(PageKeyOf(slideDay_));
      } else {
        if (++dayListIndex_ >= list.size()) {
          dayListIndex_ = 0;
          ++nextYear;
        }
        next = YearText(nextYear) + "/" + list[dayListIndex_];
      }
      break;
    case SlideType::kList:
      if (++dayListIndex_ >= list.size()) return std::nullopt;
      next = list[dayListIndex_];
      nextYear = DigitsAt(next, 0, 4).value_or(0);
      break;
  }
  if (nextYear < kFirstShownYear || nextYear > kLastShownYear) return std::nullopt;
  return next;
}

// Opens `day` when it exists, is not locked and has entries; true then.
bool SlideSequencer::OpenDay(const std::string& day) {
  if (!ParseDateText(day)) return false;
  const std::string year = day.substr(0, 4);
  const std::string page = day.substr(5);
  slideYear_ = year;
  if (album_.IsLocked(year, page)) return false;
  std::optional<std::vector<std::string>> lines = album_.OpenPage(year, page);
  if (!lines) return false;
  lines_ = std::move(*lines);
  page_ = page;
  subAlbumName_.clear();
  resumePosition_.reset();
  position_ = 0;
  return !lines_.empty();
}

void SlideSequencer::EndMultiDay() {
  Stop();
  slideDay_ = homeDay_;
  slideYear_ = homeDay_.substr(0, 4);
  OpenDay(homeDay_);
}

}  // namespace lumidex
