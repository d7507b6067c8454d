#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliDetailsTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  std::string UserDir() const { return home.path() + "/data/" + platform::LoginName() + "/"; }
  void WriteAlbum(const std::string& path, const std::string& text) {
    testing::WriteFile(path, EncodeAlbumFile(text));
  }
};

TEST_F(CliDetailsTest, PrintsTheRowsOfAPageAndSortsThem) {
  const std::string big = home.Join("pics/big.jpg"), small = home.Join("pics/small.txt");
  testing::WriteFile(big, std::string(5000, 'x'));
  testing::WriteFile(small, "x");
  testing::SetNoonOf(big, 2014, 3, 1);
  testing::SetNoonOf(small, 2015, 3, 1);
  WriteAlbum(UserDir() + "grp-list.ini", "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(UserDir() + "photo/2014.ini",
             "[03/15]\r\n" + small + "=\r\n/gone/a.jpg=\r\n@03/15旅行=\r\n" + big + "=\r\n");
  WriteAlbum(UserDir() + "photo/2014S.ini", "[03/15旅行]\r\n/s/x.jpg=\r\n/s/y.jpg=\r\n");

  auto result = testing::RunCli({"details", "2014/03/15"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "small.txt\t\t0 KB\ttxt ファイル\t2015/03/01 12:00\n"
                        "a.jpg\t\t0 KB\tjpg ファイル\t\n"
                        "旅行\t2\t\tサブアルバム\t\n"
                        "big.jpg\t\t4 KB\tjpg ファイル\t2014/03/01 12:00\n");
  result = testing::RunCli({"details", "2014/03/15", "--sort", "size"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out.substr(0, result.out.find('\t')), "旅行");
  EXPECT_NE(result.out.find("big.jpg"), std::string::npos);
  EXPECT_LT(result.out.find("a.jpg"), result.out.find("small.txt"));
  EXPECT_LT(result.out.find("small.txt"), result.out.find("big.jpg"));

  result = testing::RunCli({"details", "2014/03/15", "旅行"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "x.jpg\t\t0 KB\tjpg ファイル\t\ny.jpg\t\t0 KB\tjpg ファイル\t\n");

  EXPECT_EQ(testing::RunCli({"details", "2014/03/15", "--sort", "colour"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"details", "2014/03/16"}).exitCode, 1);
}

}  // namespace
}  // namespace lumidex
