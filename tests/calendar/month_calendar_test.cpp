#include "calendar/month_calendar.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/fake_file_store.h"

namespace lumidex {
namespace {

// Records the year switches; can fail, throw, or ask for a month build from
// inside the switch.
class FakeYearSwitch : public CalendarYearSwitch {
 public:
  std::vector<int> years;
  bool fail = false;
  bool raise = false;
  std::function<void()> during;

  Status SwitchYear(int year) override {
    years.push_back(year);
    if (during) during();
    if (raise) throw std::runtime_error("broken document");
    if (fail) return Status::Error("ファイル 2015.ini は開けません");
    return Status::Ok();
  }
};

class MonthCalendarTest : public ::testing::Test {
 protected:
  MonthCalendarTest()
      : folders_(DataFolders::ForBase("/album", "me")),
        holidays_(folders_, store_),
        calendar_(holidays_, switch_, [this] { return today_; }) {}

  void Show(const std::string& date) { ASSERT_TRUE(calendar_.ShowMonth(date, true).ok()); }
  std::string Selected() const { return calendar_.state().selectedDay; }

  CalendarDate today_{2014, 8, 2};
  DataFolders folders_;
  testing::FakeFileStore store_;
  HolidayCalendar holidays_;
  FakeYearSwitch switch_;
  MonthCalendar calendar_;
};

TEST_F(MonthCalendarTest, GridStartsOnTheSundayOnOrBeforeTheFirst) {
  Show("2014/08/02");
  EXPECT_EQ(calendar_.CellText(1, 1), "2014/07/27@0");
  EXPECT_EQ(calendar_.CellText(1, 6), "2014/08/01@0");
  EXPECT_EQ(calendar_.CellText(6, 7), "2014/09/06@0");
  EXPECT_EQ(calendar_.MonthCaption(), "2014年8月");
}

TEST_F(MonthCalendarTest, FebruaryStartingOnSundayFillsFourRowsThenMarch) {
  Show("2015/02/10");
  EXPECT_EQ(calendar_.CellText(1, 1), "2015/02/01@0");
  EXPECT_EQ(calendar_.CellText(4, 7), "2015/02/28@0");
  EXPECT_EQ(calendar_.CellText(5, 1), "2015/03/01@0");
  EXPECT_EQ(calendar_.CellText(6, 7), "2015/03/14@0");
}

TEST_F(MonthCalendarTest, MonthStepClampsTheDayToTheTargetMonth) {
  Show("2014/01/31");
  calendar_.StepBy(MonthCalendar::Step::kMonthOn);
  EXPECT_EQ(Selected(), "2014/02/28");
  Show("2016/01/31");
  calendar_.StepBy(MonthCalendar::Step::kMonthOn);
  EXPECT_EQ(Selected(), "2016/02/29");
  Show("2016/03/31");
  calendar_.StepBy(MonthCalendar::Step::kMonthBack);
  EXPECT_EQ(Selected(), "2016/02/29");
  // The day number stays once a longer month comes again.
  Show("2014/08/15");
  calendar_.StepBy(MonthCalendar::Step::kMonthBack);
  EXPECT_EQ(Selected(), "2014/07/15");
}

TEST_F(MonthCalendarTest, StepsCrossYearEndsAndYearStepLeavesFebruary29) {
  Show("2014/12/10");
  calendar_.StepBy(MonthCalendar::Step::kMonthOn);
  EXPECT_EQ(Selected(), "2015/01/10");
  calendar_.StepBy(MonthCalendar::Step::kMonthBack);
  EXPECT_EQ(Selected(), "2014/12/10");
  Show("2016/02/29");
  calendar_.StepBy(MonthCalendar::Step::kYearOn);
  EXPECT_EQ(Selected(), "2017/02/28");
  calendar_.StepBy(MonthCalendar::Step::kYearBack);
  EXPECT_EQ(Selected(), "2016/02/28");
}

TEST_F(MonthCalendarTest, NavigationNeverLeavesTheYears1001To9998) {
  Show("9998/12/20");
  EXPECT_FALSE(calendar_.StepBy(MonthCalendar::Step::kMonthOn));
  EXPECT_FALSE(calendar_.StepBy(MonthCalendar::Step::kYearOn));
  EXPECT_EQ(calendar_.state().shownYear, 9998);
  EXPECT_EQ(calendar_.CellText(6, 7).substr(0, 10).size(), 10u);
  Show("1001/01/05");
  EXPECT_FALSE(calendar_.StepBy(MonthCalendar::Step::kMonthBack));
  EXPECT_EQ(calendar_.CellText(1, 1), "1000/12/28@0");
  ASSERT_TRUE(calendar_.ShowMonth("0999/05/01", false).ok());
  EXPECT_EQ(calendar_.state().shownMonthText, "1001/01/01");
}

TEST_F(MonthCalendarTest, BrokenDateTextShowsJanuaryOfTheLoadedYear) {
  Show("2014/08/02");
  ASSERT_TRUE(calendar_.ShowMonth("2014/13/02", false).ok());
  EXPECT_EQ(calendar_.state().shownMonthText, "2014/01/01");
  ASSERT_TRUE(calendar_.ShowMonth("abcd", false).ok());
  EXPECT_EQ(calendar_.state().shownMonthText, "2014/01/01");
}

TEST_F(MonthCalendarTest, YearSwitchRunsOnlyWhenTheShownYearChanges) {
  Show("2014/08/02");
  Show("2014/12/31");
  Show("2014/01/01");
  EXPECT_EQ(switch_.years, (std::vector<int>{2014}));
  Show("2015/01/01");
  EXPECT_EQ(switch_.years, (std::vector<int>{2014, 2015}));
  EXPECT_EQ(calendar_.state().loadedYear, "2015");
  ASSERT_TRUE(calendar_.BuildMonth(true).ok());
  EXPECT_EQ(switch_.years, (std::vector<int>{2014, 2015, 2015}));
}

TEST_F(MonthCalendarTest, BuildRequestedDuringAYearSwitchChangesNothing) {
  switch_.during = [this] {
    EXPECT_FALSE(calendar_.state().building);
    EXPECT_TRUE(calendar_.BuildMonth(true).ok());
  };
  Show("2014/08/02");
  EXPECT_EQ(switch_.years, (std::vector<int>{2014}));
  EXPECT_TRUE(calendar_.state().building);
}

TEST_F(MonthCalendarTest, FailedOrThrowingYearSwitchLeavesTheCalendarWorking) {
  Show("2014/08/02");
  switch_.fail = true;
  const Status failed = calendar_.ShowMonth("2015/03/01", true);
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(calendar_.state().loadedYear, "2014");
  EXPECT_TRUE(calendar_.state().building);
  switch_.fail = false;
  switch_.raise = true;
  EXPECT_THROW((void)calendar_.ShowMonth("2016/03/01", true), std::runtime_error);
  EXPECT_TRUE(calendar_.state().building);
  switch_.raise = false;
  Show("2017/03/01");
  EXPECT_EQ(calendar_.state().loadedYear, "2017");
}

TEST_F(MonthCalendarTest, ChoosingAYearKeepsMonthAndDay) {
  Show("2014/08/02");
  ASSERT_TRUE(calendar_.ChooseYear("2010年 （12枚）").ok());
  EXPECT_EQ(Selected(), "2010/08/02");
  EXPECT_EQ(calendar_.state().shownMonthText, "2010/08/01");
}

TEST_F(MonthCalendarTest, ChoosingAYearWithoutFebruary29SelectsTheHighlightedCell) {
  Show("2024/02/29");
  const int row = calendar_.currentRow();
  const int column = calendar_.currentColumn();
  ASSERT_TRUE(calendar_.ChooseYear("2023年 （1枚）").ok());
  EXPECT_EQ(calendar_.state().shownMonthText, "2023/02/01");
  EXPECT_EQ(calendar_.currentRow(), row);
  EXPECT_EQ(calendar_.currentColumn(), column);
  EXPECT_EQ(Selected(), calendar_.CellText(row, column).substr(0, 10));
  EXPECT_EQ(Selected(), "2023/03/02");
}

TEST_F(MonthCalendarTest, SelectingACellOfAnotherMonthKeepsTheMonthShown) {
  Show("2014/08/02");
  calendar_.SelectCell(1, 1);
  EXPECT_EQ(Selected(), "2014/07/27");
  EXPECT_EQ(calendar_.state().shownMonth, 8);
  EXPECT_EQ(calendar_.state().selectedRow, 1);
  EXPECT_EQ(calendar_.state().selectedCol, 1);
  EXPECT_FALSE(calendar_.SelectDayCell("2014/10/01"));
  EXPECT_EQ(Selected(), "2014/07/27");
}

TEST_F(MonthCalendarTest, TodayPanelClickShowsTodaysMonthWithTodaySelected) {
  Show("2011/03/05");
  today_ = CalendarDate{2014, 8, 3};
  ASSERT_TRUE(calendar_.ShowToday().ok());
  EXPECT_EQ(calendar_.state().today, "2014/08/03");
  EXPECT_EQ(Selected(), "2014/08/03");
  EXPECT_EQ(calendar_.state().shownMonthText, "2014/08/01");
}

TEST_F(MonthCalendarTest, DayLineShowsTheSelectedDaysEntries) {
  EXPECT_EQ(calendar_.dayLine(), "-");
  store_.files[folders_.dataDir + "NationalHoliday.txt"] = "08/02=甲\r\n08/02=$花火\r\n";
  Show("2014/08/02");
  EXPECT_EQ(calendar_.dayLine(), "甲、花火");
  calendar_.SelectCell(1, 1);
  EXPECT_EQ(calendar_.dayLine(), "");
}

TEST_F(MonthCalendarTest, YearSwitchChoosesTheHolidayFileOfTheNewYear) {
  store_.files[folders_.holidayDir + "2015.txt"] = "01/02=初売り\r\n";
  Show("2014/12/01");
  EXPECT_EQ(holidays_.chosenPath(), folders_.dataDir + "NationalHoliday.txt");
  Show("2015/01/02");
  EXPECT_EQ(holidays_.chosenPath(), folders_.holidayDir + "2015.txt");
  EXPECT_EQ(calendar_.dayLine(), "初売り");
}

}  // namespace
}  // namespace lumidex
