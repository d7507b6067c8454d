#include "calendar/year_list.h"

#include <gtest/gtest.h>

#include "calendar/calendar_pages.h"
#include "calendar/japanese_era.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(YearListTest, ItemTextShowsFilesAndSubAlbums) {
  EXPECT_EQ(YearListItemText("2014", YearCounts{1234, 0, 0}), "2014年 （1,234枚）");
  EXPECT_EQ(YearListItemText("2014", YearCounts{5, 3, 1200}), "2014年 （5枚） （3冊 - 1,200枚）");
}

TEST(YearListTest, CountsEntriesButNotSectionsOrEmptyLines) {
  const YearCounts counts =
      CountYearLines({"[08/02]", "/p/a.jpg=", "@08/02旅行=", "", "/p/b.jpg=x"},
                     {"[08/02旅行]", "/p/c.jpg=", "/p/d.jpg=", ""});
  EXPECT_EQ(counts, (YearCounts{2, 1, 2}));
}

TEST(YearListTest, ListsYearDocumentsOnlyAndCountsTheLoadedYearInMemory) {
  testing::TempHome home;
  const std::string photo = home.Join("photo/");
  testing::WriteFile(photo + "2014.ini", "[08/02]\r\n/p/a.jpg=\r\n@08/02x=\r\n");
  testing::WriteFile(photo + "2014S.ini", "[08/02x]\r\n/p/b.jpg=\r\n/p/c.jpg=\r\n");
  testing::WriteFile(photo + "2013.ini", "[01/01]\r\n/p/z.jpg=\r\n");
  testing::WriteFile(photo + "notes.txt", "x");
  const LoadedYearLines loaded{"2013", {"[01/01]", "/p/z.jpg=", "/p/y.jpg="}, {}};
  const auto items = BuildYearList(photo, RealFileStore(), loaded);
  EXPECT_EQ(items, (std::vector<std::string>{"2013年 （2枚）", "2014年 （1枚） （1冊 - 2枚）"}));
  EXPECT_EQ(YearListIndexOf(items, "2014"), 1);
  EXPECT_EQ(YearListIndexOf(items, "2015"), -1);
}

class FakePages : public CalendarPageSource {
 public:
  std::optional<DayPageView> page;
  std::vector<std::string> names;
  std::optional<DayPageView> PageOf(std::string_view) const override { return page; }
  std::vector<std::string> SubAlbumNames(std::string_view) const override { return names; }
};

TEST(DayStatusTextTest, TellsMissingEmptyAndFilledPagesApart) {
  FakePages pages;
  EXPECT_EQ(DayStatusText(pages, "08/02", "2014"), "ページなし");
  pages.page = DayPageView{};
  EXPECT_EQ(DayStatusText(pages, "08/02", "2014"), "2014年08月02日は、画像が未登録です。");
  pages.page->hasEntries = true;
  EXPECT_EQ(DayStatusText(pages, "08/02", "2014"), "");
  pages.names = {"旅行", "花火"};
  EXPECT_EQ(DayStatusText(pages, "08/02", "2014"), "旅行 、花火");
}

TEST(JapaneseEraTest, EraChangesOnTheirFirstDays) {
  EXPECT_EQ(JapaneseEraYear({1926, 12, 24}), "大正15");
  EXPECT_EQ(JapaneseEraYear({1926, 12, 25}), "昭和1");
  EXPECT_EQ(JapaneseEraYear({1989, 1, 7}), "昭和64");
  EXPECT_EQ(JapaneseEraYear({1989, 1, 8}), "平成1");
  EXPECT_EQ(JapaneseEraYear({2019, 4, 30}), "平成31");
  EXPECT_EQ(JapaneseEraYear({2019, 5, 1}), "令和1");
  EXPECT_EQ(JapaneseEraYear({2020, 6, 1}), "令和2");
}

TEST(JapaneseEraTest, TodayPanelShowsDateWeekdayAndEra) {
  EXPECT_EQ(TodayPanelText({2020, 6, 1}), "2020/06/01(月)");
  EXPECT_EQ(TodayPanelHint({2020, 6, 1}), "令和2年|今日の日付（クリックで戻る）");
  EXPECT_EQ(TodayPanelText({2014, 8, 3}), "2014/08/03(日)");
}

}  // namespace
}  // namespace lumidex
