#include "calendar/holiday_rules.h"

#include <gtest/gtest.h>

#include "foundation/calendar_date.h"
#include "calendar/holiday_line.h"

namespace lumidex {
namespace {

TEST(CalendarDateTest, DayNumbersRoundTripAndGiveTheRightWeekday) {
  for (const CalendarDate date : {CalendarDate{1001, 1, 1}, CalendarDate{1900, 2, 28},
                                  CalendarDate{2000, 2, 29}, CalendarDate{9998, 12, 31}}) {
    EXPECT_EQ(FromDayNumber(DayNumber(date)), date);
  }
  EXPECT_EQ(WeekdayIndex({2014, 6, 1}), 0);   // a Sunday
  EXPECT_EQ(WeekdayIndex({2026, 12, 9}), 3);  // a Wednesday
  EXPECT_EQ(WeekdayIndex({1001, 1, 1}), 4);   // proleptic Gregorian Thursday
  EXPECT_EQ(AddDays({2019, 12, 31}, 1), (CalendarDate{2020, 1, 1}));
  EXPECT_EQ(AddDays({2020, 3, 1}, -1), (CalendarDate{2020, 2, 29}));
}

TEST(CalendarDateTest, DateTextIsExactlyTenCharactersOfARealDay) {
  EXPECT_EQ(DateText({2014, 8, 2}), "2014/08/02");
  EXPECT_EQ(ParseDateText("2014/08/02"), (CalendarDate{2014, 8, 2}));
  EXPECT_FALSE(ParseDateText("2014/8/02"));
  EXPECT_FALSE(ParseDateText("2014/08/02@0"));
  EXPECT_FALSE(ParseDateText("2015/02/29"));
  EXPECT_FALSE(ParseDateText("2014-08-02"));
  EXPECT_FALSE(ParseDateText("20a4/08/02"));
  EXPECT_EQ(DaysInMonth(1900, 2), 28);
  EXPECT_EQ(DaysInMonth(2000, 2), 29);
  EXPECT_EQ(DaysInMonth(2014, 11), 30);
}

TEST(HolidayRulesTest, NthWeekdayCountsFromTheFirstOccurrence) {
  // June 2014 begins on a Sunday.
  EXPECT_EQ(NthWeekday(2014, 6, 1, 1), 1);
  EXPECT_EQ(NthWeekday(2014, 6, 1, 2), 2);
  // September 2014 begins on a Monday: its third Monday is the 15th.
  EXPECT_EQ(NthWeekday(2014, 9, 3, 2), 15);
  // The first Sunday of September 2014 comes after the 1st.
  EXPECT_EQ(NthWeekday(2014, 9, 1, 1), 7);
}

TEST(HolidayRulesTest, FifthWeekdayOnlyInMonthsThatHaveFive) {
  EXPECT_EQ(NthWeekday(2014, 9, 5, 2), 29);  // September 2014 has five Mondays
  EXPECT_FALSE(NthWeekday(2014, 10, 5, 2));  // October 2014 has four
  EXPECT_FALSE(NthWeekday(2015, 2, 5, 1));   // February 2015: exactly four Sundays
}

TEST(HolidayRulesTest, RuleDateReadsMonthWeekdayAndCount) {
  EXPECT_EQ(RuleDate("09月3", 2014), (MonthDay{9, 15}));
  EXPECT_EQ(RuleDate("01月2", 2000), (MonthDay{1, 10}));
  EXPECT_EQ(RuleDate("10月2", 2019), (MonthDay{10, 14}));
  EXPECT_FALSE(RuleDate("13月1", 2014));
  EXPECT_FALSE(RuleDate("09x3", 2014));
  EXPECT_FALSE(RuleDate("09月6", 2014));
  EXPECT_FALSE(RuleDate("09月0", 2014));
  EXPECT_FALSE(RuleDate("09/15", 2014));
}

TEST(HolidayLineTest, RangeIsPresentExactlyWhenTheKeyIsWiderThanEightBytes) {
  const HolidayLine ranged = ParseHolidayLine("2000200609/15=敬老の日");
  EXPECT_TRUE(ranged.ranged);
  EXPECT_EQ(ranged.startYear, 2000);
  EXPECT_EQ(ranged.endYear, 2006);
  EXPECT_EQ(ranged.form, HolidayLine::Form::kFixed);
  EXPECT_TRUE(ranged.AppliesTo({9, 15}, 2006));
  EXPECT_FALSE(ranged.AppliesTo({9, 15}, 2007));
  EXPECT_FALSE(ranged.AppliesTo({9, 15}, 1999));

  // A rule key is five cp932 bytes: not taken for a range.
  const HolidayLine rule = ParseHolidayLine("09月3=敬老の日");
  EXPECT_FALSE(rule.ranged);
  EXPECT_EQ(rule.form, HolidayLine::Form::kRule);
  EXPECT_TRUE(rule.AppliesTo({9, 15}, 2014));

  const HolidayLine rangedRule = ParseHolidayLine("2003900009月3=敬老の日");
  EXPECT_TRUE(rangedRule.ranged);
  EXPECT_EQ(rangedRule.form, HolidayLine::Form::kRule);
  EXPECT_FALSE(rangedRule.AppliesTo({9, 15}, 2002));
}

TEST(HolidayLineTest, StartZeroMeansEveryYearAndBadNumbersGetDefaults) {
  const HolidayLine always = ParseHolidayLine("0000123405/03=憲法記念日");
  EXPECT_TRUE(always.AppliesTo({5, 3}, 1950));
  EXPECT_TRUE(always.AppliesTo({5, 3}, 2500));
  const HolidayLine badEnd = ParseHolidayLine("2000xxxx05/03=x");
  EXPECT_EQ(badEnd.endYear, 9000);
  EXPECT_TRUE(badEnd.AppliesTo({5, 3}, 9000));
  EXPECT_FALSE(badEnd.AppliesTo({5, 3}, 9001));
}

TEST(HolidayLineTest, MarkersGiveKindsAndBrokenKeysNeverApply) {
  EXPECT_EQ(ParseHolidayLine("08/02=$花火大会").kind, DayKind::kEvent);
  EXPECT_EQ(ParseHolidayLine("08/02=$花火大会").name, "花火大会");
  EXPECT_EQ(ParseHolidayLine("08/02=&メモ").kind, DayKind::kOther);
  EXPECT_EQ(ParseHolidayLine("08/02=祭").kind, DayKind::kHoliday);
  EXPECT_EQ(ParseHolidayLine("8/2=祭").form, HolidayLine::Form::kInvalid);
  EXPECT_EQ(ParseHolidayLine("08-02=祭").form, HolidayLine::Form::kInvalid);
  EXPECT_EQ(ParseHolidayLine("no equals sign").form, HolidayLine::Form::kInvalid);
  EXPECT_FALSE(ParseHolidayLine("=祭").AppliesTo({8, 2}, 2014));
}

}  // namespace
}  // namespace lumidex
