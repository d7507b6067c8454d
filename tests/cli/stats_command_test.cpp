#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliStatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("grp-list.ini", "[DATA]\r\n03/15=.alb\r\n05/05=.alb\r\n02/29=.alb\r\n");
    Write("daylc.ini", "[LCK]\r\n2014/05/05=\r\n");
    Write("photo/2012.ini", "[03/15]\r\n/a/1.jpg=\r\n[02/29]\r\n/a/leap.jpg=\r\n");
    Write("photo/2014.ini",
          "[03/15]\r\n/b/1.jpg=\r\n/b/2.jpg=\r\n@03/15旅行=\r\n[05/05]\r\n/b/locked.jpg=\r\n");
    Write("photo/2014S.ini", "[03/15旅行]\r\n/s/1.jpg=\r\n/s/2.jpg=\r\n/s/3.jpg=\r\n");
  }
  void Write(const std::string& name, const std::string& text) {
    testing::WriteFile(home.path() + "/data/" + platform::LoginName() + "/" + name, EncodeAlbumFile(text));
  }
  std::string Run(const std::vector<std::string>& args) {
    const auto result = testing::RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result.out;
  }

  testing::TempHome home;
};

TEST_F(CliStatsTest, CountsYearsPagesAndThePageInOtherYears) {
  EXPECT_EQ(Run({"stats"}), "2012年 （2枚）\n2014年 （3枚） （1冊 - 3枚）\n");
  // The locked page 05/05 is left out of the year's rows.
  EXPECT_EQ(Run({"stats", "2014"}), "03/15 （2枚） （1冊 - 3枚）\n2014/03/15 > 旅行\n");
  EXPECT_EQ(Run({"page-use", "03/15", "2014"}), "2012年 （1枚）\n");
  EXPECT_EQ(Run({"page-use", "03/15", "2013"}), "2012年 （1枚）\n2014年 （2枚） （1冊 - 3枚）\n");
  EXPECT_EQ(Run({"page-use", "02/29", "2014"}), "2012年 （1枚）\n");
  EXPECT_EQ(Run({"page-use", "12/24", "2014"}), "なし\n");
  EXPECT_EQ(testing::RunCli({"page-use", "13/01", "2014"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"stats", "14"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
