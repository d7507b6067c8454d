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

// Scripted scrapbooks: items go on top of a tab, the page and "ver" are made
// when missing, and what the command refuses leaves the document alone.
TEST(CliFreeLayoutTest, AddsPicturesAndTextsOnTopOfATab) {
  testing::TempHome home;
  const std::string album = home.path() + "/data/" + platform::LoginName() + "/album/";
  const std::string picture = home.path() + "/beach.jpg";
  testing::WriteFile(picture, "not decoded here");
  auto result = testing::RunCli({"freelayout", "add-picture", "2014", "03/15", "0", picture, "--at", "700,20"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // 700 is kept 48 units inside the right edge.
  EXPECT_EQ(result.out, "000682002002000200000000000\t" + picture + "\n");
  result = testing::RunCli({"freelayout", "add-text", "2014", "03/15", "0", "上\n下", "--size", "300,80"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "000000000003000080000000000\t10000000FFFFFF808080000000上･･下\n");

  const std::string text = DecodeAlbumFile(testing::ReadFile(album + "2014.ini"));
  EXPECT_NE(text.find("Tsubame=1"), std::string::npos);
  EXPECT_LT(text.find(picture), text.find("上･･下"));  // stacking order: the text on top
  result = testing::RunCli({"freelayout", "show", "2014", "03/15", "0"});
  EXPECT_EQ(result.out.substr(0, 4), "0006");

  EXPECT_EQ(testing::RunCli({"freelayout", "add-picture", "2014", "03/15", "0", home.path() + "/gone.jpg"}).exitCode, 1);
  EXPECT_EQ(testing::RunCli({"freelayout", "add-text", "2014", "03/15", "5", "x"}).exitCode, 1);
  EXPECT_EQ(testing::RunCli({"freelayout", "add-text", "2014", "旅行", "0", "x"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"freelayout", "add-text", "2014", "03/15", "0", "x", "--at", "1"}).exitCode, 2);
  EXPECT_EQ(DecodeAlbumFile(testing::ReadFile(album + "2014.ini")), text);
}

}  // namespace
}  // namespace lumidex
