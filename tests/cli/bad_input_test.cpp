#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// An album with a page 03/15 in 2014 holding one picture and one sub-album.
class CliBadInputTest : public ::testing::Test {
 protected:
  testing::TempHome home;
  std::string picture = home.Join("pics/a.jpg");

  void SetUp() override {
    const std::string user = home.path() + "/data/" + platform::LoginName() + "/";
    testing::WriteFile(user + "grp-list.ini", EncodeAlbumFile("[DATA]\r\n03/15=.alb\r\n"));
    testing::WriteFile(user + "photo/2014.ini",
                       EncodeAlbumFile("[03/15]\r\n/p/a.jpg=夏･･海\r\n@03/15旅行=\r\n"));
    testing::WriteFile(user + "photo/2014S.ini", EncodeAlbumFile("[03/15旅行]\r\n/s/x.jpg=\r\n"));
    testing::WriteFile(picture, "x");
    ASSERT_EQ(testing::RunCli({"list"}).exitCode, 0);  // lets the tool create its folders
  }

  // Every file of the album folders with its bytes.
  std::map<std::string, std::string> AlbumFiles() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home.Join("data"))) {
      if (entry.is_regular_file()) files[entry.path()] = testing::ReadFile(entry.path());
    }
    return files;
  }
};

TEST_F(CliBadInputTest, BadNamesDatesAndFilesAreRefusedAndChangeNothing) {
  const auto before = AlbumFiles();
  for (const std::string name : {"夏\r\n/p/evil.jpg", "a\nb", "tab\tname", "del\x7F"}) {
    const auto result = testing::RunCli({"subalbum", "create", "2014/03/15", name});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "名前に制御文字は使えません。\n");
  }
  for (const std::string date :
       {"2023/02/29", "2024/04/31", "0000/01/01", "1000/12/31", "9999/01/01"}) {
    EXPECT_EQ(testing::RunCli({"add", date, picture}).exitCode, 2) << date;
    EXPECT_EQ(testing::RunCli({"list", date}).exitCode, 2) << date;
    EXPECT_EQ(testing::RunCli({"page", "delete", date, "--yes"}).exitCode, 2) << date;
  }
  EXPECT_EQ(testing::RunCli({"page", "create", "02/30"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"list", "0000"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"list", "9999"}).exitCode, 2);

  const std::string missing = home.Join("pics/none.jpg");
  auto result = testing::RunCli({"add", "2014/03/15", missing});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("ファイルがありません: " + missing), std::string::npos) << result.err;
  EXPECT_EQ(AlbumFiles(), before);

  // Whatever can be done is done, and the exit still says something was left out.
  result = testing::RunCli({"add", "2014/03/15", missing, picture});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "2014/03/15\t1\n");
  EXPECT_NE(result.err.find(missing), std::string::npos);

  result = testing::RunCli({"exif", missing});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("ファイルがありません: " + missing), std::string::npos);

  // Leap years have the page 02/29.
  EXPECT_EQ(testing::RunCli({"page", "create", "02/29"}).exitCode, 0);
}

}  // namespace
}  // namespace lumidex
