// The window's slide show runs over the album store itself: the days of
// other years are opened there, a comment edited during the show is saved
// before the store moves on, and the show puts the store back where it
// started.
#include <gtest/gtest.h>

#include "album/album_fixture.h"
#include "slideshow/slide_sequencer.h"
#include "slideshow/store_slide_album.h"

namespace lumidex {
namespace {

class StoreSlideAlbumTest : public testing::AlbumTest {
 protected:
  void SetUp() override {
    a = Picture("a.jpg");
    b = Picture("b.jpg");
    WriteAlbum(IndexPath(), "[DATA]\r\n08/20=.alb\r\n");
    WriteAlbum(YearPath("2013"), "[08/20]\r\n" + b + "=\r\n");
    WriteAlbum(YearPath("2014"), "[08/20]\r\n" + a + "=海\r\n@08/20旅行=\r\n");
    WriteAlbum(SubPath("2014"), "[08/20旅行]\r\n" + b + "=\r\n");
    OpenYear("2014");
    ASSERT_TRUE(store->OpenPage("08/20").ok());
  }

  std::string a, b;
  int changes = 0;
  std::vector<std::string> failures;
};

TEST_F(StoreSlideAlbumTest, AListShowOpensOtherYearsSavesEditsAndReturnsHome) {
  StoreSlideAlbum album(
      *store, [this] { ++changes; }, [this](const Status& s) { failures.push_back(s.message()); });
  const StoreSlideAlbum::Place home = album.Here();
  SlideShowOptions options;
  options.type = SlideType::kList;
  options.dayList = {"2013/08/20", "2014/08/20"};
  options.subAlbums = {"旅行"};
  options.today = "2026/12/10";
  SlideSequencer show(album, options);
  show.Start("2014", "08/20", store->Lines(), 0, "");

  std::vector<std::string> shown;
  auto next = show.Next();
  ASSERT_TRUE(next.has_value());
  shown.push_back(next->path);
  EXPECT_EQ(store->loadedYear(), "2013");  // the store holds the shown year
  EXPECT_EQ(store->Lines(), show.lines());
  // A comment applied while 2013's page is shown is saved before the show
  // moves on to another year.
  store->SetLines({b + "=moved on"});
  while ((next = show.Next())) shown.push_back(next->path);
  EXPECT_EQ(shown, (std::vector<std::string>{b, a, b}));
  EXPECT_NE(ReadAlbum(YearPath("2013")).find("=moved on"), std::string::npos);
  EXPECT_GE(changes, 3);  // 2013's page, 2014's page, the sub-album, ...

  EXPECT_TRUE(album.ReturnTo(home));
  EXPECT_EQ(store->loadedYear(), "2014");
  EXPECT_EQ(store->openPage(), "08/20");
  EXPECT_FALSE(store->SubAlbumOpen());
  EXPECT_FALSE(album.ReturnTo(home));  // already there
  EXPECT_TRUE(failures.empty());
}

TEST_F(StoreSlideAlbumTest, AFailedSaveIsReportedAndTheDayCountsAsEmpty) {
  StoreSlideAlbum album(
      *store, [this] { ++changes; }, [this](const Status& s) { failures.push_back(s.message()); });
  store->SetLines({a + "=edited"});  // pending, so leaving the year must save
  files.failWrites = true;
  EXPECT_FALSE(album.OpenPage("2013", "08/20").has_value());
  EXPECT_EQ(failures.size(), 1u);
  EXPECT_EQ(store->loadedYear(), "2014");  // nothing was left unsaved
  EXPECT_EQ(store->Lines(), std::vector<std::string>({a + "=edited"}));
}

}  // namespace
}  // namespace lumidex
