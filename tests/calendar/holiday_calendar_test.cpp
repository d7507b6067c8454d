#include "calendar/holiday_calendar.h"

#include <gtest/gtest.h>

#include "support/fake_file_store.h"

namespace lumidex {
namespace {

// June 2014: Sunday 1, Monday 2, Tuesday 3, Wednesday 4, Thursday 5.
class HolidayCalendarTest : public ::testing::Test {
 protected:
  HolidayCalendarTest()
      : folders_(DataFolders::ForBase("/album", "me")), holidays_(folders_, store_) {}

  void Use(const std::vector<std::string>& lines) { holidays_.SetLines(lines); }
  DayEntryResult Entry(const std::string& date) {
    return holidays_.DayEntry(date, std::stoi(date.substr(0, 4)), 20);
  }

  DataFolders folders_;
  testing::FakeFileStore store_;
  HolidayCalendar holidays_;
};

const DayEntryResult kNothing{DayKind::kNothing, ""};

TEST_F(HolidayCalendarTest, SundayHolidayMovesToTheNextDayThatIsNoHoliday) {
  Use({"06/01=山開き"});
  EXPECT_EQ(Entry("2014/06/01"), (DayEntryResult{DayKind::kHoliday, "山開き"}));
  EXPECT_EQ(Entry("2014/06/02"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
  EXPECT_EQ(Entry("2014/06/03"), kNothing);

  Use({"06/01=山開き", "06/02=川開き"});
  EXPECT_EQ(Entry("2014/06/02"), (DayEntryResult{DayKind::kHoliday, "川開き"}));
  EXPECT_EQ(Entry("2014/06/03"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
}

TEST_F(HolidayCalendarTest, SubstituteIsKnownWhicheverDayIsLookedAtFirst) {
  Use({"06/01=山開き"});
  // The Monday before its Sunday, and the day line without any painting.
  EXPECT_EQ(holidays_.DayText("2014/06/02"), "振替休日");
  EXPECT_EQ(Entry("2014/06/02"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
  EXPECT_EQ(holidays_.EntryCount("2014/06/02", 2014), 1);
}

TEST_F(HolidayCalendarTest, DayBetweenTwoHolidaysIsACitizensHolidayAndOutranksAnEvent) {
  Use({"06/03=甲", "06/05=乙"});
  EXPECT_EQ(Entry("2014/06/04"), (DayEntryResult{DayKind::kHoliday, "国民の休日"}));
  Use({"06/03=甲", "06/05=乙", "06/04=$花火大会"});
  EXPECT_EQ(Entry("2014/06/04"), (DayEntryResult{DayKind::kHoliday, "国民の休日"}));
  EXPECT_EQ(holidays_.DayText("2014/06/04"), "国民の休日、花火大会");
  EXPECT_EQ(holidays_.EntryCount("2014/06/04", 2014), 2);
}

TEST_F(HolidayCalendarTest, CitizensHolidayNeedsAFixedDateHolidayAfterIt) {
  // A rule holiday on Monday 2 and a fixed one on Wednesday 4: Tuesday is one.
  Use({"06月1=甲", "06/04=乙"});
  EXPECT_EQ(Entry("2014/06/03"), (DayEntryResult{DayKind::kHoliday, "国民の休日"}));
  // A fixed holiday on Monday 2 and a rule one on Wednesday 4: it is not.
  Use({"06/02=甲", "06水1=乙"});
  EXPECT_EQ(Entry("2014/06/04"), (DayEntryResult{DayKind::kHoliday, "乙"}));
  EXPECT_EQ(Entry("2014/06/03"), kNothing);
}

TEST_F(HolidayCalendarTest, FirstHolidayWinsOverEarlierEventsAndAllAreCounted) {
  Use({"08/02=$花火", "08/02=甲", "08/02=乙", "08/02=&メモ"});
  EXPECT_EQ(Entry("2014/08/02"), (DayEntryResult{DayKind::kHoliday, "甲"}));
  EXPECT_EQ(holidays_.EntryCount("2014/08/02", 2014), 4);
  EXPECT_EQ(holidays_.DayText("2014/08/02"), "甲、乙、花火、メモ");
}

TEST_F(HolidayCalendarTest, EventLabelIsCutToTwentyBytesWithoutSplittingACharacter) {
  // "a" and ten kanji: 21 cp932 bytes; the tenth kanji would straddle byte 20.
  Use({"08/02=$aあいうえおかきくけこ", "08/03=&一二三四五六七八九十十一"});
  EXPECT_EQ(Entry("2014/08/02"), (DayEntryResult{DayKind::kEvent, "aあいうえおかきくけ"}));
  EXPECT_EQ(Entry("2014/08/03"), (DayEntryResult{DayKind::kOther, "一二三四五六七八九十"}));
  EXPECT_EQ(holidays_.DayText("2014/08/02"), "aあいうえおかきくけこ");
}

TEST_F(HolidayCalendarTest, RangedFixedLineBeatsUnrangedOneForSubstitutes) {
  // The unranged line comes first but is an event; the ranged holiday for
  // 2014 makes Sunday a holiday, so Monday becomes a substitute.
  Use({"06/01=$祭", "2014201406/01=記念日"});
  EXPECT_EQ(Entry("2014/06/02"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
  // In 2015 the ranged line does not apply and June 1 is a Monday anyway.
  EXPECT_EQ(Entry("2015/06/01"), (DayEntryResult{DayKind::kEvent, "祭"}));
}

TEST_F(HolidayCalendarTest, DerivedHolidaysBelongToTheirOwnYear) {
  // 2014/12/28 is a Sunday; the line holds for 2014 only.
  Use({"2014201412/28=記念日"});
  EXPECT_EQ(Entry("2014/12/29"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
  EXPECT_EQ(Entry("2015/12/29"), kNothing);
  EXPECT_EQ(holidays_.DayText("2015/12/29"), "");
}

TEST_F(HolidayCalendarTest, SundayHolidayAtYearEndMovesIntoTheNextYear) {
  // 2023/12/31 is a Sunday: its substitute is 2024/01/01, in 2024's days.
  Use({"12/31=大晦日"});
  EXPECT_EQ(Entry("2024/01/01"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
  EXPECT_EQ(Entry("2023/01/01"), kNothing);  // 2022/12/31 was a Saturday
}

TEST_F(HolidayCalendarTest, OlderYearsFollowTheLawOfTheirTime) {
  Use({"05/03=憲法記念日", "05/05=こどもの日", "06/01=甲", "06/02=乙"});
  // 1998: May 3 a Sunday, so May 4 is its substitute.
  EXPECT_EQ(Entry("1998/05/04"), (DayEntryResult{DayKind::kHoliday, "振替休日"}));
  // 1988: May 4 a Wednesday between two holidays.
  EXPECT_EQ(Entry("1988/05/04"), (DayEntryResult{DayKind::kHoliday, "国民の休日"}));
  // 1997: May 4 a Sunday; 1985: before citizens' holidays existed.
  EXPECT_EQ(Entry("1997/05/04"), kNothing);
  EXPECT_EQ(Entry("1985/05/04"), kNothing);
  // 2003: Sunday and Monday holidays; before 2007 no substitute on Tuesday.
  EXPECT_EQ(Entry("2003/06/03"), kNothing);
}

TEST_F(HolidayCalendarTest, YearsBefore1900HaveNoEntries) {
  Use({"06/01=山開き", "06月1=甲"});
  EXPECT_EQ(Entry("1899/06/01"), kNothing);
  EXPECT_EQ(holidays_.EntryCount("1899/06/01", 1899), 0);
  EXPECT_EQ(holidays_.EntryCount("1900/06/01", 1900), 1);
}

TEST_F(HolidayCalendarTest, PerYearFileWinsAndTheGeneralFileIsNotReloaded) {
  store_.files[folders_.dataDir + "NationalHoliday.txt"] = "01/01=元日\r\n";
  store_.files[folders_.holidayDir + "2014.txt"] = "01/01=\x90\xb3\x8c\x8e\r\n";  // 正月 in cp932
  holidays_.ChooseHolidayFile(2014);
  EXPECT_EQ(holidays_.chosenPath(), folders_.holidayDir + "2014.txt");
  EXPECT_EQ(Entry("2014/01/01"), (DayEntryResult{DayKind::kHoliday, "正月"}));
  holidays_.ChooseHolidayFile(2015);
  EXPECT_EQ(holidays_.chosenPath(), folders_.dataDir + "NationalHoliday.txt");
  EXPECT_EQ(Entry("2015/01/01"), (DayEntryResult{DayKind::kHoliday, "元日"}));
  // Changed on disk, but 2016 keeps the loaded lines of the general file.
  store_.files[folders_.dataDir + "NationalHoliday.txt"] = "01/01=変更\r\n";
  holidays_.ChooseHolidayFile(2016);
  EXPECT_EQ(Entry("2016/01/01"), (DayEntryResult{DayKind::kHoliday, "元日"}));
  holidays_.Reload();
  EXPECT_EQ(Entry("2016/01/01"), (DayEntryResult{DayKind::kHoliday, "変更"}));
}

TEST_F(HolidayCalendarTest, HolidayFilesMayBeCp932OrUtf8) {
  store_.files[folders_.holidayDir + "2014.txt"] = "08/02=\x89\xd4\x89\xce\r\n";  // 花火 in cp932
  store_.files[folders_.holidayDir + "2015.txt"] = "08/02=花火\n08/04=$祭り\n";   // UTF-8, LF
  holidays_.ChooseHolidayFile(2014);
  EXPECT_EQ(Entry("2014/08/02"), (DayEntryResult{DayKind::kHoliday, "花火"}));
  holidays_.ChooseHolidayFile(2015);
  EXPECT_EQ(Entry("2015/08/02"), (DayEntryResult{DayKind::kHoliday, "花火"}));
  EXPECT_EQ(Entry("2015/08/04"), (DayEntryResult{DayKind::kEvent, "祭り"}));
}

TEST_F(HolidayCalendarTest, MissingFilesGiveNoEntries) {
  holidays_.ChooseHolidayFile(2014);
  EXPECT_TRUE(holidays_.book().empty());
  EXPECT_EQ(Entry("2014/01/01"), kNothing);
  EXPECT_EQ(holidays_.DayText("2014/01/01"), "");
}

}  // namespace
}  // namespace lumidex
