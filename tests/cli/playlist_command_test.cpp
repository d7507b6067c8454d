#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliPlaylistTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  void SetUp() override {
    const std::string user = home.path() + "/data/" + platform::LoginName() + "/";
    const std::string music = home.Join("music/");
    testing::WriteFile(user + "grp-list.ini", EncodeAlbumFile("[DATA]\r\n03/15=.alb\r\n"));
    testing::WriteFile(user + "photo/2014.ini",
                       EncodeAlbumFile("[03/15]\r\n/p/pic.jpg=\r\n" + music + "a.mp3=\r\n" + music +
                                       "list.m3u=\r\n@03/15旅行=\r\n"));
    testing::WriteFile(user + "photo/2014S.ini", EncodeAlbumFile("[03/15旅行]\r\n/s/x.wav=\r\n"));
    testing::WriteFile(music + "list.m3u", "b.mp3\r\nnotes.txt\r\n\r\nc.wma\r\n");
  }
};

TEST_F(CliPlaylistTest, PrintsTheTracksOfAPageOrSubAlbumAndRefusesWhatDoesNotExist) {
  auto result = testing::RunCli({"playlist", "2014/03/15"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string music = home.Join("music/");
  EXPECT_EQ(result.out, music + "a.mp3\n" + music + "b.mp3\n" + music + "c.wma\n");
  result = testing::RunCli({"playlist", "2014/03/15", "旅行"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "/s/x.wav\n");

  result = testing::RunCli({"playlist", "2014/02/30"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("は日付ではありません"), std::string::npos) << result.err;
  result = testing::RunCli({"playlist", "2014/03/15", "海"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("サブアルバム '海' は 2014/03/15 のページにありません"),
            std::string::npos);
}

}  // namespace
}  // namespace lumidex
