#include <gtest/gtest.h>

#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(CliHolidaysTest, ListsEveryDayWithAnEntryAfterDerivation) {
  testing::TempHome home;
  const std::string holidayDir = home.path() + "/data/" + platform::LoginName() + "/holiday/";
  // 2014/06/01 is a Sunday: its substitute falls on Monday the 2nd.
  testing::WriteFile(holidayDir + "2014.txt",
                     "06/01=\x8e\x52\x8a\x4a\x82\xab\r\n"  // 山開き
                     "08/02=$\x89\xd4\x89\xce\r\n");       // $花火
  const auto result = testing::RunCli({"holidays", "2014"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out,
            "2014/06/01\t0\t山開き\n"
            "2014/06/02\t0\t振替休日\n"
            "2014/08/02\t1\t花火\n");
}

TEST(CliHolidaysTest, UsesTheShippedGeneralFileWhenTheYearHasNone) {
  testing::TempHome home;
  const auto result = testing::RunCli({"holidays", "2020"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("2020/02/24\t0\t振替休日\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("2020/07/24\t0\tスポーツの日\n"), std::string::npos);
  EXPECT_TRUE(testing::FileExists(home.path() + "/data/NationalHoliday.txt"));
}

TEST(CliHolidaysTest, RefusesAnythingButAFourDigitYearInRange) {
  testing::TempHome home;
  EXPECT_EQ(testing::RunCli({"holidays"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"holidays", "20x4"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"holidays", "999"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"holidays", "9999"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"holidays", "2014", "2015"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
