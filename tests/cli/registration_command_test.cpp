#include <gtest/gtest.h>
#include <sys/time.h>

#include <ctime>
#include <filesystem>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliRegistrationTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  std::string UserDir() const { return home.path() + "/data/" + platform::LoginName() + "/"; }
  std::string PhotoPath(const std::string& name) const { return UserDir() + "photo/" + name; }
  std::string ReadAlbum(const std::string& path) {
    return DecodeAlbumFile(testing::ReadFile(path));
  }
  void WriteAlbum(const std::string& path, const std::string& text) {
    testing::WriteFile(path, EncodeAlbumFile(text));
  }

  // A picture below the home whose last-write time is noon of `date`.
  std::string Shot(const std::string& relative, int year, int month, int day) {
    const std::string path = home.Join(relative);
    testing::WriteFile(path, "x");
    testing::SetNoonOf(path, year, month, day);
    return path;
  }
};

TEST_F(CliRegistrationTest, AddRegistersFilesAndFoldersOnANewPage) {
  const std::string a = Shot("pics/a.jpg", 2014, 1, 1);
  const std::string b = Shot("pics/in/b.png", 2014, 1, 1);
  Shot("pics/in/c.txt", 2014, 1, 1);
  const auto result = testing::RunCli({"add", "2014/05/05", a, home.Join("pics/in/")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2014/05/05\t2\n");
  EXPECT_EQ(ReadAlbum(PhotoPath("2014.ini")), "[05/05]\r\n" + a + "=\r\n" + b + "=\r\n\r\n");
  EXPECT_NE(ReadAlbum(UserDir() + "grp-list.ini").find("05/05=.alb"), std::string::npos);
}

TEST_F(CliRegistrationTest, AddingAgainKeepsCommentsAndCountsNothing) {
  const std::string a = Shot("pics/a.jpg", 2014, 1, 1);
  WriteAlbum(UserDir() + "grp-list.ini", "[DATA]\r\n05/05=.alb\r\n");
  WriteAlbum(PhotoPath("2014.ini"), "[05/05]\r\n" + a + "=思い出\r\n");
  const auto result = testing::RunCli({"add", "2014/05/05", a});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2014/05/05\t0\n");
  EXPECT_EQ(ReadAlbum(PhotoPath("2014.ini")), "[05/05]\r\n" + a + "=思い出\r\n");
}

TEST_F(CliRegistrationTest, AddRefusesABadDate) {
  EXPECT_EQ(testing::RunCli({"add", "2014/13/05", "/x.jpg"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"add", "2014/05/05"}).exitCode, 2);
}

TEST_F(CliRegistrationTest, AutoRegisterPrintsWhatItRegisteredPerPage) {
  const std::string a = Shot("cam/旅行/a.jpg", 2013, 12, 31);
  const std::string b = Shot("cam/b.jpg", 2014, 3, 15);
  const std::string c = Shot("cam/.h/c.jpg", 2014, 3, 15);
  auto result = testing::RunCli({"auto-register", home.Join("cam"), "--subalbums-by-folder"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2013/12/31\t1\n2014/03/15\t1\n");
  EXPECT_NE(result.err.find("hit files > 2"), std::string::npos);
  EXPECT_EQ(ReadAlbum(PhotoPath("2013.ini")), "[12/31]\r\n@12/31旅行=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(PhotoPath("2013S.ini")), "[12/31旅行]\r\n" + a + "=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(PhotoPath("2014.ini")), "[03/15]\r\n" + b + "=\r\n\r\n");

  result = testing::RunCli({"auto-register", home.Join("cam"), "--hidden"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2013/12/31\t1\n2014/03/15\t1\n");
  EXPECT_EQ(ReadAlbum(PhotoPath("2014.ini")), "[03/15]\r\n" + b + "=\r\n" + c + "=\r\n\r\n");
}

TEST_F(CliRegistrationTest, AutoRegisterOverBadInputRegistersTheRestAndSaysWhatItLeftOut) {
  const std::string b = Shot("cam/b.jpg", 2014, 3, 15);
  Shot("cam/\xff\xfe.jpg", 2014, 3, 15);
  Shot("cam/old.jpg", 2013, 12, 31);
  std::filesystem::create_directory_symlink(home.Join("cam"), home.Join("cam/loop"));
  // 2013's document exists but cannot be read: a folder in its place.
  std::filesystem::create_directories(PhotoPath("2013.ini"));
  const auto result = testing::RunCli({"auto-register", home.Join("cam")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "2014/03/15\t1\n");
  EXPECT_NE(result.err.find("hit files > 3"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("文字コードが正しくない名前のファイルは登録できません。（1 個）"),
            std::string::npos);
  EXPECT_NE(result.err.find(PhotoPath("2013.ini")), std::string::npos);
  EXPECT_EQ(ReadAlbum(PhotoPath("2014.ini")), "[03/15]\r\n" + b + "=\r\n\r\n");
  EXPECT_TRUE(std::filesystem::is_directory(PhotoPath("2013.ini")));
}

TEST_F(CliRegistrationTest, AutoRegisterOfAMissingFolderFails) {
  const auto result = testing::RunCli({"auto-register", home.Join("none")});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(testing::RunCli({"auto-register", "--bogus", "x"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
