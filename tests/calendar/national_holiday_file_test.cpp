// Checks the shipped general holiday file against the national holidays of
// Japan as they were (and are announced to be) in a few telling years.
#include <gtest/gtest.h>

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

TEST_F(NationalHolidayFileTest, EveryYearFrom1980To2050HasBothEquinoxDays) {
  for (int year = 1980; year <= 2050; ++year) {
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
