#include <gtest/gtest.h>
#include <sys/time.h>

#include <cstdio>
#include <ctime>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// An album made with lumidex-cli: page 2020/05/10 with a.jpg, b.jpg, c.jpg, a
// picture that was deleted and the sub-album 旅行 (s1.jpg, s2.jpg); single
// pictures on 2020/05/11 (locked), 05/12, 05/14 and on 05/10 of 2021, 2022
// (locked) and 2023.
class CliSlidesTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  void SetUp() override {
    Add("2020/05/10", {"a", "b", "gone"});
    Shot("trip/旅行/s1.jpg", 2020, 5, 10);
    Shot("trip/旅行/s2.jpg", 2020, 5, 10);
    ASSERT_EQ(
        testing::RunCli({"auto-register", home.Join("trip"), "--subalbums-by-folder"}).exitCode, 0);
    Add("2020/05/10", {"c"});
    std::remove(Picture("gone").c_str());
    for (const char* date :
         {"2020/05/11", "2020/05/12", "2020/05/14", "2021/05/10", "2022/05/10", "2023/05/10"}) {
      Add(date, {std::string(date).replace(4, 1, "-").replace(7, 1, "-")});
    }
    testing::WriteFile(home.path() + "/data/" + platform::LoginName() + "/daylc.ini",
                       EncodeAlbumFile("[LCK]\r\n2020/05/11=\r\n2022/05/10=\r\n"));
  }

  std::string Picture(const std::string& name) const { return home.Join("pics/" + name + ".jpg"); }
  void Add(const std::string& date, const std::vector<std::string>& names) {
    std::vector<std::string> args = {"add", date};
    for (const auto& name : names) {
      testing::WriteFile(Picture(name), "x");
      args.push_back(Picture(name));
    }
    ASSERT_EQ(testing::RunCli(args).exitCode, 0);
  }
  void Shot(const std::string& relative, int year, int month, int day) {
    const std::string path = home.Join(relative);
    testing::WriteFile(path, "x");
    testing::SetNoonOf(path, year, month, day);
  }
  // The output of `slides` with `args`, each path relative to the home.
  std::string Slides(std::vector<std::string> args) {
    args.insert(args.begin(), "slides");
    const testing::CliOutput result = testing::RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    std::string shown = result.out;
    for (size_t at; (at = shown.find(home.path() + "/")) != std::string::npos;) {
      shown.erase(at, home.path().size() + 1);
    }
    return shown;
  }
};

TEST_F(CliSlidesTest, DayPrintsOnePassWithTickedSubAlbumsInPlace) {
  EXPECT_EQ(Slides({"2020/05/10", "--subalbums", "旅行"}),
            "pics/a.jpg\npics/b.jpg\npics/c.jpg\ntrip/旅行/s1.jpg\ntrip/旅行/s2.jpg\n");
  EXPECT_EQ(Slides({"2020/05/10", "--subalbums", "旅行", "--no-page-pictures"}),
            "trip/旅行/s1.jpg\ntrip/旅行/s2.jpg\n");
  EXPECT_EQ(Slides({"2020/05/11"}), "");
}

TEST_F(CliSlidesTest, MultiDayShowsSkipLockedPagesAndStopAfterUntil) {
  EXPECT_EQ(Slides({"2020/05/10", "--days", "--until", "2020/05/13"}),
            "pics/a.jpg\npics/b.jpg\npics/c.jpg\npics/2020-05-12.jpg\n");
  EXPECT_EQ(Slides({"2020/05/10", "--years", "--until", "2023/05/10"}),
            "pics/a.jpg\npics/b.jpg\npics/c.jpg\npics/2021-05-10.jpg\npics/2023-05-10.jpg\n");
  EXPECT_EQ(Slides({"2020/05/10", "--years", "--day-list", "5/12,05/10", "--until", "2023/05/20"}),
            "pics/2020-05-12.jpg\npics/a.jpg\npics/b.jpg\npics/c.jpg\npics/2021-05-10.jpg\n"
            "pics/2023-05-10.jpg\n");

  // A year that cannot be read is named and fails the command; the others
  // are still listed.
  const std::string year2021 = home.path() + "/data/" + platform::LoginName() + "/photo/2021.ini";
  testing::WriteFile(year2021, std::string("[05/10]\0", 8));
  const testing::CliOutput result =
      testing::RunCli({"slides", "2020/05/10", "--years", "--until", "2023/05/10"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find(year2021), std::string::npos) << result.err;
  EXPECT_NE(result.out.find("2023-05-10.jpg"), std::string::npos);
}

TEST_F(CliSlidesTest, ListTakesTheDatesOfAFileAndNamesABadLine) {
  const std::string list = home.Join("days.txt");
  testing::WriteFile(list, "2023/5/10\r\n2020/05/12\r\n");
  EXPECT_EQ(Slides({"2020/05/10", "--list", list, "--until", "2024/01/01"}),
            "pics/2020-05-12.jpg\npics/2023-05-10.jpg\n");

  testing::WriteFile(list, "2023/05/10\n\nいつか\n");
  const testing::CliOutput bad = testing::RunCli({"slides", "2020/05/10", "--list", list});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("3行目「いつか」は日付ではありません。"), std::string::npos) << bad.err;
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(testing::RunCli({"slides", "2020/05/10", "--day-list", "05/12"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
