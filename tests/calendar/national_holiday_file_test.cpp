// Checks the shipped general holiday file against the national holidays of
// Japan as they were (and are announced to be) in a few telling years.
#include <gtest/gtest.h>

#include <algorithm>

#include "foundation/calendar_date.h"
#include "calendar/holiday_calendar.h"
#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

std::vector<std::string> HolidaysOf(const HolidayCalendar& holidays, int year) {
  std::vector<std::string> result;
  for (CalendarDate date{year, 1, 1}; date.year == year; date = AddDays(date, 1)) {
    const std::string text = DateText(date);
    const DayEntryResult entry = holidays.DayEntry(text, year, 20);
    if (entry.kind == DayKind::kHoliday) result.push_back(text.substr(5) + " " + entry.text);
  }
  return result;
}

class NationalHolidayFileTest : public ::testing::Test {
 protected:
  NationalHolidayFileTest()
      : folders_(DataFolders::ForBase(LUMIDEX_BUILD_SHARE_DIR, "nobody")),
        holidays_(folders_, RealFileStore()) {
    // The general file is dataDir + "NationalHoliday.txt": point dataDir at
    // the shipped copy.
    folders_.dataDir = WithTrailingSlash(LUMIDEX_BUILD_SHARE_DIR);
    folders_.holidayDir = folders_.dataDir + "no-such-folder/";
    holidays_.ChooseHolidayFile(2000);
  }
  DataFolders folders_;
  HolidayCalendar holidays_;
};

TEST_F(NationalHolidayFileTest, IsCp932WithCrLfLines) {
  const std::string bytes =
      testing::ReadFile(std::string(LUMIDEX_BUILD_SHARE_DIR) + "/NationalHoliday.txt");
  ASSERT_FALSE(bytes.empty());
  EXPECT_FALSE(IsValidUtf8(bytes) && bytes.find('\x82') != std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  size_t lf = 0, crlf = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      ++lf;
      if (i > 0 && bytes[i - 1] == '\r') ++crlf;
    }
  }
  EXPECT_EQ(lf, crlf);
  for (const HolidayLine& line : holidays_.book().lines()) {
    EXPECT_NE(line.form, HolidayLine::Form::kInvalid) << line.key << "=" << line.value;
  }
}

TEST_F(NationalHolidayFileTest, EarlyYearsFollowTheLawOfTheirTime) {
  // The law came into force in July 1948; before 1973 a Sunday holiday moved
  // nowhere; 1959 had the crown prince's wedding.
  EXPECT_EQ(HolidaysOf(holidays_, 1948),
            (std::vector<std::string>{"09/23 秋分の日", "11/03 文化の日", "11/23 勤労感謝の日"}));
  EXPECT_EQ(HolidaysOf(holidays_, 1959),
            (std::vector<std::string>{"01/01 元日", "01/15 成人の日", "03/21 春分の日",
                                      "04/10 皇太子明仁親王の結婚の儀", "04/29 天皇誕生日",
                                      "05/03 憲法記念日", "05/05 こどもの日", "09/24 秋分の日",
                                      "11/03 文化の日", "11/23 勤労感謝の日"}));
  EXPECT_EQ(HolidaysOf(holidays_, 1966),
            (std::vector<std::string>{"01/01 元日", "01/15 成人の日", "03/21 春分の日",
                                      "04/29 天皇誕生日", "05/03 憲法記念日", "05/05 こどもの日",
                                      "09/15 敬老の日", "09/23 秋分の日", "10/10 体育の日",
                                      "11/03 文化の日", "11/23 勤労感謝の日"}));
}

TEST_F(NationalHolidayFileTest, SubstituteHolidaysStartInApril1973) {
  // 1973/02/11 was a Sunday before the change; 04/29 and 09/23 after it.
  EXPECT_EQ(HolidaysOf(holidays_, 1973),
            (std::vector<std::string>{
                "01/01 元日", "01/15 成人の日", "02/11 建国記念の日", "03/21 春分の日",
                "04/29 天皇誕生日", "04/30 振替休日", "05/03 憲法記念日", "05/05 こどもの日",
                "09/15 敬老の日", "09/23 秋分の日", "09/24 振替休日", "10/10 体育の日",
                "11/03 文化の日", "11/23 勤労感謝の日"}));
}

TEST_F(NationalHolidayFileTest, Years1990And1993HaveTheImperialCeremonies) {
  EXPECT_EQ(HolidaysOf(holidays_, 1990),
            (std::vector<std::string>{
                "01/01 元日", "01/15 成人の日", "02/11 建国記念の日", "02/12 振替休日",
                "03/21 春分の日", "04/29 みどりの日", "04/30 振替休日", "05/03 憲法記念日",
                "05/04 国民の休日", "05/05 こどもの日", "09/15 敬老の日", "09/23 秋分の日",
                "09/24 振替休日", "10/10 体育の日", "11/03 文化の日", "11/12 即位礼正殿の儀",
                "11/23 勤労感謝の日", "12/23 天皇誕生日", "12/24 振替休日"}));
  EXPECT_EQ(HolidaysOf(holidays_, 1993),
            (std::vector<std::string>{
                "01/01 元日", "01/15 成人の日", "02/11 建国記念の日", "03/20 春分の日",
                "04/29 みどりの日", "05/03 憲法記念日", "05/04 国民の休日", "05/05 こどもの日",
                "06/09 皇太子徳仁親王の結婚の儀", "09/15 敬老の日", "09/23 秋分の日",
                "10/10 体育の日", "10/11 振替休日", "11/03 文化の日", "11/23 勤労感謝の日",
                "12/23 天皇誕生日"}));
}

TEST_F(NationalHolidayFileTest, EquinoxDays2000To2030AreTheAnnouncedOnes) {
  // Day of March and of September of each year from 2000, as announced.
  const int vernal[] = {20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 21, 21,
                        20, 20, 21, 21, 20, 20, 21, 21, 20, 20, 20, 21, 20, 20, 20};
  const int autumnal[] = {23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 23, 22, 23, 23, 23,
                          22, 23, 23, 23, 22, 23, 23, 23, 22, 23, 23, 23, 22, 23, 23};
  for (int year = 2000; year <= 2030; ++year) {
    const std::string march = "03/" + std::to_string(vernal[year - 2000]) + " 春分の日";
    const std::string september = "09/" + std::to_string(autumnal[year - 2000]) + " 秋分の日";
    const std::vector<std::string> days = HolidaysOf(holidays_, year);
    EXPECT_NE(std::find(days.begin(), days.end(), march), days.end()) << year;
    EXPECT_NE(std::find(days.begin(), days.end(), september), days.end()) << year;
  }
}

TEST_F(NationalHolidayFileTest, Year1989HasTheFuneralAndMondaySubstitutes) {
  EXPECT_EQ(
      HolidaysOf(holidays_, 1989),
      (std::vector<std::string>{
          "01/01 元日", "01/02 振替休日", "01/15 成人の日", "01/16 振替休日", "02/11 建国記念の日",
          "02/24 昭和天皇の大喪の礼", "03/21 春分の日", "04/29 みどりの日", "05/03 憲法記念日",
          "05/04 国民の休日", "05/05 こどもの日", "09/15 敬老の日", "09/23 秋分の日",
          "10/10 体育の日", "11/03 文化の日", "11/23 勤労感謝の日", "12/23 天皇誕生日"}));
}

TEST_F(NationalHolidayFileTest, Year2000HasTheFirstHappyMondays) {
  EXPECT_EQ(HolidaysOf(holidays_, 2000),
            (std::vector<std::string>{"01/01 元日", "01/10 成人の日", "02/11 建国記念の日",
                                      "03/20 春分の日", "04/29 みどりの日", "05/03 憲法記念日",
                                      "05/04 国民の休日", "05/05 こどもの日", "07/20 海の日",
                                      "09/15 敬老の日", "09/23 秋分の日", "10/09 体育の日",
                                      "11/03 文化の日", "11/23 勤労感謝の日", "12/23 天皇誕生日"}));
}

TEST_F(NationalHolidayFileTest, Year2009HasAnAutumnCitizensHoliday) {
  EXPECT_EQ(
      HolidaysOf(holidays_, 2009),
      (std::vector<std::string>{
          "01/01 元日", "01/12 成人の日", "02/11 建国記念の日", "03/20 春分の日", "04/29 昭和の日",
          "05/03 憲法記念日", "05/04 みどりの日", "05/05 こどもの日", "05/06 振替休日",
          "07/20 海の日", "09/21 敬老の日", "09/22 国民の休日", "09/23 秋分の日", "10/12 体育の日",
          "11/03 文化の日", "11/23 勤労感謝の日", "12/23 天皇誕生日"}));
}

TEST_F(NationalHolidayFileTest, Year2016HasTheFirstMountainDay) {
  EXPECT_EQ(
      HolidaysOf(holidays_, 2016),
      (std::vector<std::string>{
          "01/01 元日", "01/11 成人の日", "02/11 建国記念の日", "03/20 春分の日", "03/21 振替休日",
          "04/29 昭和の日", "05/03 憲法記念日", "05/04 みどりの日", "05/05 こどもの日",
          "07/18 海の日", "08/11 山の日", "09/19 敬老の日", "09/22 秋分の日", "10/10 体育の日",
          "11/03 文化の日", "11/23 勤労感謝の日", "12/23 天皇誕生日"}));
}

TEST_F(NationalHolidayFileTest, Year2019HasTheEnthronementDaysAndNoEmperorsBirthday) {
  EXPECT_EQ(HolidaysOf(holidays_, 2019),
            (std::vector<std::string>{
                "01/01 元日",       "01/14 成人の日",    "02/11 建国記念の日",   "03/21 春分の日",
                "04/29 昭和の日",   "04/30 国民の休日",  "05/01 天皇の即位の日", "05/02 国民の休日",
                "05/03 憲法記念日", "05/04 みどりの日",  "05/05 こどもの日",     "05/06 振替休日",
                "07/15 海の日",     "08/11 山の日",      "08/12 振替休日",       "09/16 敬老の日",
                "09/23 秋分の日",   "10/14 体育の日",    "10/22 即位礼正殿の儀", "11/03 文化の日",
                "11/04 振替休日",   "11/23 勤労感謝の日"}));
}

TEST_F(NationalHolidayFileTest, Years2020And2021HaveTheMovedSummerHolidays) {
  EXPECT_EQ(HolidaysOf(holidays_, 2020),
            (std::vector<std::string>{"01/01 元日", "01/13 成人の日", "02/11 建国記念の日",
                                      "02/23 天皇誕生日", "02/24 振替休日", "03/20 春分の日",
                                      "04/29 昭和の日", "05/03 憲法記念日", "05/04 みどりの日",
                                      "05/05 こどもの日", "05/06 振替休日", "07/23 海の日",
                                      "07/24 スポーツの日", "08/10 山の日", "09/21 敬老の日",
                                      "09/22 秋分の日", "11/03 文化の日", "11/23 勤労感謝の日"}));
  EXPECT_EQ(HolidaysOf(holidays_, 2021),
            (std::vector<std::string>{"01/01 元日", "01/11 成人の日", "02/11 建国記念の日",
                                      "02/23 天皇誕生日", "03/20 春分の日", "04/29 昭和の日",
                                      "05/03 憲法記念日", "05/04 みどりの日", "05/05 こどもの日",
                                      "07/22 海の日", "07/23 スポーツの日", "08/08 山の日",
                                      "08/09 振替休日", "09/20 敬老の日", "09/23 秋分の日",
                                      "11/03 文化の日", "11/23 勤労感謝の日"}));
}

TEST_F(NationalHolidayFileTest, Year2026HasSportsDayInOctoberAndASilverWeek) {
  EXPECT_EQ(HolidaysOf(holidays_, 2026),
            (std::vector<std::string>{
                "01/01 元日", "01/12 成人の日", "02/11 建国記念の日", "02/23 天皇誕生日",
                "03/20 春分の日", "04/29 昭和の日", "05/03 憲法記念日", "05/04 みどりの日",
                "05/05 こどもの日", "05/06 振替休日", "07/20 海の日", "08/11 山の日",
                "09/21 敬老の日", "09/22 国民の休日", "09/23 秋分の日", "10/12 スポーツの日",
                "11/03 文化の日", "11/23 勤労感謝の日"}));
}

TEST_F(NationalHolidayFileTest, EveryYearFrom1949To2099HasBothEquinoxDays) {
  for (int year = 1949; year <= 2099; ++year) {
    int equinoxes = 0;
    for (const std::string& day : HolidaysOf(holidays_, year)) {
      if (day.find("春分の日") != std::string::npos || day.find("秋分の日") != std::string::npos)
        ++equinoxes;
    }
    EXPECT_EQ(equinoxes, 2) << year;
  }
}

}  // namespace
}  // namespace lumidex
