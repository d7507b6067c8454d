#include "slideshow/day_list.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

using Days = std::vector<std::string>;

TEST(DayListTest, ListLinesBecomeSortedDatesWithMonthDaysInTheCurrentYear) {
  const auto days =
      ParseDayList(SlideType::kList, {" 2010/6/12 ", "", "3/1", "　2009/12/31"}, 2023);
  ASSERT_TRUE(days.ok()) << days.status().message();
  EXPECT_EQ(days.value(), (Days{"2009/12/31", "2010/06/12", "2023/03/01"}));
  // 02/29 is a List date only in a year that has it.
  EXPECT_FALSE(ParseDayList(SlideType::kList, {"02/29"}, 2023).ok());
  EXPECT_TRUE(ParseDayList(SlideType::kList, {"02/29"}, 2024).ok());
}

TEST(DayListTest, OtherTypesTakeMonthDaysAndAcceptTheTwentyNinthOfFebruary) {
  const auto days = ParseDayList(SlideType::kYear, {"6/12", "02/29", "2021/01/05"}, 2023);
  ASSERT_TRUE(days.ok()) << days.status().message();
  EXPECT_EQ(days.value(), (Days{"01/05", "02/29", "06/12"}));
}

TEST(DayListTest, ALineThatIsNoDateIsRefusedByItsNumber) {
  for (const std::string bad :
       {"abc", "02/30", "13/01", "2023/02/29", "6/12/1", "123/4", "06-12"}) {
    const auto days = ParseDayList(SlideType::kDays, {"06/12", "", bad}, 2023);
    ASSERT_FALSE(days.ok()) << bad;
    EXPECT_EQ(days.status().message(), "3行目「" + bad + "」は日付ではありません。");
  }
}

TEST(DayListTest, MenusAppendTheWholeDateForListAndTheMonthDayOtherwise) {
  EXPECT_EQ(DayListEntryFor(SlideType::kList, "2024/05/10"), "2024/05/10");
  EXPECT_EQ(DayListEntryFor(SlideType::kYear, "2024/05/10"), "05/10");
}

}  // namespace
}  // namespace lumidex
