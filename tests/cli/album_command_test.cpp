#include <gtest/gtest.h>

#include "foundation/settings_store.h"
#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliAlbumTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  std::string UserDir() const { return home.path() + "/data/" + platform::LoginName() + "/"; }
  std::string PhotoPath(const std::string& name) const { return UserDir() + "photo/" + name; }
  void WriteAlbum(const std::string& path, const std::string& text) {
    testing::WriteFile(path, EncodeAlbumFile(text));
  }
  std::string ReadAlbum(const std::string& path) { return DecodeAlbumFile(testing::ReadFile(path)); }

  void WriteSampleAlbum() {
    WriteAlbum(UserDir() + "grp-list.ini", "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n12/24=.alb\r\n");
    WriteAlbum(PhotoPath("2014.ini"),
               "[03/15]\r\n/p/a.jpg=夏･･海\r\n/p/b.jpg=\r\n@03/15旅行=\r\n[04/01]\r\n/p/c.jpg=\r\n");
    WriteAlbum(PhotoPath("2014S.ini"), "[03/15旅行]\r\n/s/x.jpg=\r\n/s/y.jpg=\r\n");
    WriteAlbum(PhotoPath("2013.ini"), "[12/24]\r\n/q.jpg=\r\n");
  }
};

TEST_F(CliAlbumTest, ListPrintsEveryYearWithItsCountsInYearOrder) {
  WriteSampleAlbum();
  const auto result = testing::RunCli({"list"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "2013年 （1枚）\n2014年 （3枚） （1冊 - 2枚）\n");
}

TEST_F(CliAlbumTest, ListOfAYearPrintsItsPagesWithCountsAndCover) {
  WriteSampleAlbum();
  const std::string cover = home.Join("pics/c.jpg");
  testing::WriteFile(cover, "x");
  WriteAlbum(PhotoPath("2014.ini"),
             "[03/15]\r\n/p/a.jpg=\r\n/p/b.jpg=\r\n@03/15旅行=\r\n[04/01]\r\n" + cover + "=\r\n");
  auto result = testing::RunCli({"list", "2014"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "03/15\t2\t1\t2\t\n04/01\t1\t0\t0\t" + cover + "\n");
  result = testing::RunCli({"list", "2014", "--all"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "03/15\t2\t1\t2\t\n04/01\t1\t0\t0\t" + cover + "\n12/24\t0\t0\t0\t\n");
}

TEST_F(CliAlbumTest, CoverChoiceTakesTheManagedTypesOfTheSettings) {
  WriteAlbum(UserDir() + "grp-list.ini", "[DATA]\r\n03/15=.alb\r\n");
  WriteAlbum(PhotoPath("2014.ini"), "[03/15]\r\n/gone/a.jpg=\r\n/d/memo.pdf=\r\n");
  EXPECT_EQ(testing::RunCli({"list", "2014"}).out, "03/15\t2\t0\t0\t\n");
  SettingsStore settings(SettingsFilePath(platform::SettingsFolder()));
  ASSERT_TRUE(settings.SetValue(RegistryValue::String("extlist", ".pdf\r\n.txt\r\n")).ok());
  EXPECT_EQ(testing::RunCli({"list", "2014"}).out, "03/15\t2\t0\t0\t/d/memo.pdf\n");
}

TEST_F(CliAlbumTest, ListOfADayPrintsTheEntriesOfThePageOrOfItsSubAlbum) {
  WriteSampleAlbum();
  auto result = testing::RunCli({"list", "2014/03/15"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "/p/a.jpg=夏･･海\n/p/b.jpg=\n@03/15旅行=\n");
  result = testing::RunCli({"list", "2014/03/15", "旅行"});
  EXPECT_EQ(result.out, "/s/x.jpg=\n/s/y.jpg=\n");
}

TEST_F(CliAlbumTest, PageCreateAddsThePageAndPageDeleteNeedsConfirmation) {
  WriteSampleAlbum();
  auto result = testing::RunCli({"page", "create", "05/05"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(ReadAlbum(UserDir() + "grp-list.ini"),
            "[DATA]\r\n03/15=.alb\r\n04/01=.alb\r\n12/24=.alb\r\n05/05=.alb\r\n\r\n");

  result = testing::RunCli({"page", "delete", "2014/03/15"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("ページの削除確認: '03/15' のページを削除してもよろしいですか？"), std::string::npos);
  EXPECT_EQ(testing::RunCli({"list", "2014/03/15"}).out, "/p/a.jpg=夏･･海\n/p/b.jpg=\n@03/15旅行=\n");

  result = testing::RunCli({"page", "delete", "2014/03/15", "--yes"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(ReadAlbum(PhotoPath("2014.ini")), "[04/01]\r\n/p/c.jpg=\r\n\r\n");
  EXPECT_EQ(ReadAlbum(PhotoPath("2014S.ini")), "");
  EXPECT_EQ(testing::RunCli({"list", "2014", "--all"}).out,
            "04/01\t1\t0\t0\t\n05/05\t0\t0\t0\t\n12/24\t0\t0\t0\t\n");
}

TEST_F(CliAlbumTest, DeletingAPageOnlyThisYearUsesKeepsItForOtherYears) {
  WriteSampleAlbum();
  WriteAlbum(PhotoPath("2014.ini"), "[03/15]\r\n/p/a.jpg=\r\n[12/24]\r\n/p/c.jpg=\r\n");
  const auto result = testing::RunCli({"page", "delete", "2014/12/24", "--yes"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(testing::RunCli({"list", "2013"}).out, "12/24\t1\t0\t0\t\n");
  EXPECT_EQ(testing::RunCli({"list", "2014"}).out, "03/15\t1\t0\t0\t\n");
}

TEST_F(CliAlbumTest, SubAlbumCreateAddsTheEntryAndRefusesDuplicatesWithTheMessage) {
  WriteSampleAlbum();
  auto result = testing::RunCli({"subalbum", "create", "2014/04/01", "（花火）"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(testing::RunCli({"list", "2014/04/01"}).out, "/p/c.jpg=\n@04/01(花火）=\n");

  result = testing::RunCli({"subalbum", "create", "2014/03/15", "旅行"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "'旅行' このアルバムは既に存在します。\n");

  result = testing::RunCli({"subalbum", "create", "2014/03/15", "a=b"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "名前に '=' は使えません。\n");

  result = testing::RunCli({"subalbum", "create", "2014/06/06", "x"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("no page 06/06"), std::string::npos);
}

TEST_F(CliAlbumTest, MalformedArgumentsAreUsageErrors) {
  EXPECT_EQ(testing::RunCli({"list", "14"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"list", "2014", "--every"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"page", "create", "13/01"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"page", "delete", "2014/03/15", "--no"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"subalbum", "create", "2014/03/15"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"page"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
