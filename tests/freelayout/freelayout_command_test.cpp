#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(CliFreeLayoutTest, ListsPagesWithTabsAndShowsATabsItemsOneLineEach) {
  testing::TempHome home;
  const std::string album = home.path() + "/data/" + platform::LoginName() + "/album/";
  testing::WriteFile(album + "2014A.ini",
                     EncodeAlbumFile("[旅行]\r\n01=山\r\n"
                                     "0000100020003000400000000000=/a.jpg\r\n"
                                     "0100500060007000800000000000=10000000FFFFFF808080000000上･･下\r\n"
                                     "[空]\r\n[ver]\r\nTsubame=1\r\n"));
  auto result = testing::RunCli({"freelayout", "list", "2014", "--album"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "空\n旅行\t0\t1\n旅行\t1\t山\n");  // album text order

  result = testing::RunCli({"freelayout", "show", "2014", "旅行", "1", "--album"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "010050006000700080000000000\t10000000FFFFFF808080000000上･･下\n");

  EXPECT_EQ(testing::RunCli({"freelayout", "list", "2014"}).out, "");  // by date: no document
  EXPECT_EQ(testing::RunCli({"freelayout", "show", "2014", "海", "0", "--album"}).exitCode, 1);
  EXPECT_EQ(testing::RunCli({"freelayout", "show", "2014", "旅行", "2", "--album"}).exitCode, 1);
  EXPECT_EQ(testing::RunCli({"freelayout", "show", "14", "旅行", "0"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
