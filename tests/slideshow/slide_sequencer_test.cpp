#include "slideshow/slide_sequencer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace lumidex {
namespace {

// An album in memory: pages and sub-albums per year, locked days and
// missing files. Records the days it opens; `openDay` is the open page.
class FakeAlbum : public SlideAlbum {
 public:
  std::map<std::string, std::vector<std::string>> pages;      // "yyyy/mm/dd" -> lines
  std::map<std::string, std::vector<std::string>> subAlbums;  // "yyyy/" + section -> lines
  std::set<std::string> locked;                               // "yyyy/mm/dd"
  std::set<std::string> missing;                              // paths
  std::vector<std::string> opened;                            // "yyyy/mm/dd" per OpenPage
  std::string openDay;

  std::optional<std::vector<std::string>> OpenPage(std::string_view year,
                                                   std::string_view page) override {
    const std::string day = std::string(year) + "/" + std::string(page);
    auto found = pages.find(day);
    if (found == pages.end()) return std::nullopt;
    opened.push_back(day);
    openDay = day;
    return found->second;
  }
  std::vector<std::string> OpenSubAlbum(std::string_view section) override {
    return Lines(subAlbums, openDay.substr(0, 5) + std::string(section));
  }
  std::vector<std::string> BackToPage() override { return Lines(pages, openDay); }
  bool IsLocked(std::string_view year, std::string_view page) const override {
    return locked.contains(std::string(year) + "/" + std::string(page));
  }
  bool IsShowablePicture(const std::string& path) const override { return !missing.contains(path); }

  static std::vector<std::string> Lines(const std::map<std::string, std::vector<std::string>>& of,
                                        const std::string& key) {
    auto found = of.find(key);
    return found == of.end() ? std::vector<std::string>() : found->second;
  }
};

class SlideSequencerTest : public ::testing::Test {
 protected:
  FakeAlbum album;

  void SetUp() override {
    album.pages["2024/05/10"] = {"a.jpg=海", "b.jpg=", "@05/10旅行=", "c.jpg="};
    album.subAlbums["2024/05/10旅行"] = {"s1.jpg=", "s2.jpg="};
  }

  // Starts a show as the window does on the open page of `date` and returns
  // the first `steps` pictures shown, "end" for a step that ended the show.
  std::string Shows(SlideSequencer& show, const std::string& date, int steps, size_t position = 0,
                    const std::string& subAlbum = "") {
    const std::string page = date.substr(5);
    album.openDay = date;
    const std::vector<std::string> lines =
        subAlbum.empty() ? FakeAlbum::Lines(album.pages, date)
                         : FakeAlbum::Lines(album.subAlbums, date.substr(0, 5) + page + subAlbum);
    show.Start(date.substr(0, 4), page, lines, position, subAlbum);
    std::string shown;
    for (int i = 0; i < steps; ++i) {
      const std::optional<SlideFrame> frame = show.Next();
      shown += (shown.empty() ? "" : " ") + (frame ? frame->path : "end");
      if (!frame) break;
    }
    return shown;
  }

  static SlideShowOptions Options(SlideType type, std::vector<std::string> dayList = {}) {
    SlideShowOptions options;
    options.type = type;
    options.dayList = std::move(dayList);
    options.subAlbums = {"旅行"};
    options.today = "2024/05/15";
    return options;
  }
};

TEST_F(SlideSequencerTest, DayShowsTheTickedSubAlbumInPlaceAndStartsThePageAgain) {
  SlideSequencer show(album, Options(SlideType::kDay));
  EXPECT_EQ(Shows(show, "2024/05/10", 4), "a.jpg b.jpg s1.jpg s2.jpg");
  EXPECT_EQ(show.subAlbumName(), "旅行");
  EXPECT_EQ(show.Next()->position, 3u);
  EXPECT_EQ(show.subAlbumName(), "");
  const SlideFrame first = *show.Next();
  EXPECT_EQ(first.comment, "海");
  EXPECT_EQ(show.completedPasses(), 1);
  EXPECT_TRUE(show.running());

  // Started at the third picture, and inside the sub-album: the page goes on
  // after the sub-album's reference.
  EXPECT_EQ(Shows(show, "2024/05/10", 3, 3), "c.jpg a.jpg b.jpg");
  EXPECT_EQ(Shows(show, "2024/05/10", 3, 1, "旅行"), "s2.jpg c.jpg a.jpg");
  EXPECT_TRUE(album.opened.empty());
}

TEST_F(SlideSequencerTest, WithoutPagePicturesOnlyTickedSubAlbumsShowAndNothingEndsThePass) {
  album.missing = {"s1.jpg"};
  album.subAlbums["2024/05/10旅行"].push_back("s3.jpg=");
  SlideShowOptions options = Options(SlideType::kDay);
  options.showPagePictures = false;
  SlideSequencer show(album, options);
  // A picture that cannot be shown does not skip the rest of the sub-album.
  EXPECT_EQ(Shows(show, "2024/05/10", 3), "s2.jpg s3.jpg s2.jpg");

  options.subAlbums.clear();
  SlideSequencer nothing(album, options);
  EXPECT_EQ(Shows(nothing, "2024/05/10", 1), "end");
  EXPECT_FALSE(nothing.running());
  // Started in the middle, the show ends after a whole pass from the start.
  EXPECT_EQ(Shows(nothing, "2024/05/10", 1, 3), "end");
}

TEST_F(SlideSequencerTest, DayEndsWhenNoEntryOfThePageCanBeShown) {
  album.missing = {"a.jpg", "b.jpg", "c.jpg", "s1.jpg", "s2.jpg"};
  SlideSequencer show(album, Options(SlideType::kDay));
  EXPECT_EQ(Shows(show, "2024/05/10", 1), "end");

  // The page's last entry is a sub-album without pictures: returning from it
  // ends the pass instead of wrapping round for ever.
  album.pages["2024/05/11"] = {"@05/11旅行="};
  album.subAlbums["2024/05/11旅行"] = {"gone.jpg="};
  album.missing.insert("gone.jpg");
  EXPECT_EQ(Shows(show, "2024/05/11", 1), "end");
  album.missing.erase("gone.jpg");
  EXPECT_EQ(Shows(show, "2024/05/11", 2), "gone.jpg gone.jpg");
}

TEST_F(SlideSequencerTest, DaysRunUpToTodaySkippingLockedAndEmptyDaysThenComeBack) {
  album.pages["2024/05/12"] = {"locked.jpg="};
  album.locked = {"2024/05/12"};
  album.pages["2024/05/13"] = {"gone.jpg=", "d.jpg="};
  album.missing = {"gone.jpg"};
  album.pages["2024/05/16"] = {"future.jpg="};
  SlideSequencer show(album, Options(SlideType::kDays));
  EXPECT_EQ(Shows(show, "2024/05/10", 7), "a.jpg b.jpg s1.jpg s2.jpg c.jpg d.jpg end");
  EXPECT_FALSE(show.running());
  EXPECT_EQ(show.slideDay(), "2024/05/10");
  EXPECT_EQ(show.lines(), album.pages["2024/05/10"]);
  EXPECT_EQ(album.opened, (std::vector<std::string>{"2024/05/13", "2024/05/10"}));
}

TEST_F(SlideSequencerTest, YearRunsThroughTheSameDayOfLaterYears) {
  album.pages = {
      {"2021/06/12", {"y21.jpg="}}, {"2023/06/12", {"y23.jpg="}}, {"2024/06/12", {"y24.jpg="}}};
  SlideSequencer show(album, Options(SlideType::kYear));
  EXPECT_EQ(Shows(show, "2021/06/12", 3), "y21.jpg y23.jpg end");
  EXPECT_EQ(show.slideYear(), "2021");

  // 02/29 goes on with the next year that has it.
  album.pages = {{"2016/02/29", {"l16.jpg="}}, {"2020/02/29", {"l20.jpg="}}};
  EXPECT_EQ(Shows(show, "2016/02/29", 3), "l16.jpg l20.jpg end");
}

TEST_F(SlideSequencerTest, ListDrivenShowsFollowTheDayListAndStartAgainFromItsFirstEntry) {
  album.pages = {{"2023/03/01", {"m1.jpg=", "m2.jpg="}},
                 {"2024/01/07", {"j7.jpg="}},
                 {"2024/01/08", {"j8.jpg="}}};
  // Entries in other forms are used normalised: " 1/7 " is in today's year.
  SlideSequencer list(album, Options(SlideType::kList, {"2023/3/1", " 1/7 ", "2024/02/30"}));
  EXPECT_EQ(Shows(list, "2024/05/10", 2), "m1.jpg m2.jpg");
  list.Stop();
  EXPECT_EQ(Shows(list, "2024/05/10", 4), "m1.jpg m2.jpg j7.jpg end");
  EXPECT_EQ(list.slideDay(), "2023/03/01");

  // Days take the month/days in the current day's year; 02/29 of a year
  // without it is passed over.
  album.pages["2023/02/28"] = {"f28.jpg="};
  SlideSequencer days(album, Options(SlideType::kDays, {"02/29", "2023/02/28", "03/01"}));
  EXPECT_EQ(Shows(days, "2023/06/01", 4), "f28.jpg m1.jpg m2.jpg end");

  // Year starts the list again in the next year.
  SlideSequencer year(album, Options(SlideType::kYear, {"01/07", "01/08", "02/29"}));
  EXPECT_EQ(Shows(year, "2023/06/01", 3), "j7.jpg j8.jpg end");
}

}  // namespace
}  // namespace lumidex
