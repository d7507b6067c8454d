#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliRepairTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  std::string UserDir() const { return home.path() + "/data/" + platform::LoginName() + "/"; }
  std::string Photo(const std::string& name) const { return UserDir() + "photo/" + name; }
  std::string Read(const std::string& path) { return DecodeAlbumFile(testing::ReadFile(path)); }
  void Write(const std::string& path, const std::string& text) {
    testing::WriteFile(path, EncodeAlbumFile(text));
  }
  std::string File(const std::string& relative) {
    const std::string path = home.Join(relative);
    testing::WriteFile(path, "x");
    return path;
  }
  std::string Gone(const std::string& relative) const { return home.Join("old/" + relative); }
};

TEST_F(CliRepairTest, RepairsEveryYearSubAlbumAndFreeLayoutInPlace) {
  const std::string kept = File("pics/kept.jpg");
  const std::string deep = File("new/a/b/deep.jpg");
  const std::string inSub = File("new/sub.jpg");
  const std::string other = File("new/c/other.jpg");
  const std::string placed = File("new/placed.jpg");
  Write(UserDir() + "grp-list.ini", "[DATA]\r\n03/15=.alb\r\n07/01=.alb\r\n");
  Write(Photo("2013.ini"), "[07/01]\r\n" + Gone("other.jpg") + "=\r\n\r\n");
  Write(Photo("2014.ini"), "[03/15]\r\n" + Gone("deep.jpg") + "=海\r\n" + kept +
                               "=\r\n" + Gone("lost.jpg") + "=\r\n@03/15旅=\r\n\r\n");
  Write(Photo("2014S.ini"), "[03/15旅]\r\n" + Gone("sub.jpg") + "=宿\r\n\r\n");
  Write(UserDir() + "album/2014A.ini",
        "[旅行]\r\n00=表紙\r\n000100010200020000000000000=" + Gone("placed.jpg") +
            "\r\n000300030100010000000000001=" + kept + "\r\n\r\n");

  const auto result = testing::RunCli({"repair", home.Join("new")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, Gone("other.jpg") + " → " + other + "\n" + Gone("deep.jpg") + " → " +
                            deep + "\n" + Gone("sub.jpg") + " → " + inSub + "\n" +
                            Gone("placed.jpg") + " → " + placed +
                            "\n不明ファイル数 > 5個\n\n4個の不明ファイルを修正しました。\n");
  EXPECT_EQ(Read(Photo("2013.ini")), "[07/01]\r\n" + other + "=\r\n\r\n");
  // The repaired entry keeps its place and its comment.
  EXPECT_EQ(Read(Photo("2014.ini")), "[03/15]\r\n" + deep + "=海\r\n" + kept + "=\r\n" +
                                         Gone("lost.jpg") + "=\r\n@03/15旅=\r\n\r\n");
  EXPECT_EQ(Read(Photo("2014S.ini")), "[03/15旅]\r\n" + inSub + "=宿\r\n\r\n");
  EXPECT_EQ(Read(UserDir() + "album/2014A.ini"),
            "[旅行]\r\n00=表紙\r\n000100010200020000000000000=" + placed +
                "\r\n000300030100010000000000001=" + kept + "\r\n\r\n");

  const auto again = testing::RunCli({"repair", home.Join("new")});
  EXPECT_EQ(again.out, "不明ファイル数 > 1個\n\n0個の不明ファイルを修正しました。\n");
}

TEST_F(CliRepairTest, FirstFoundFileWinsAndLetterCaseMustMatch) {
  const std::string top = File("new/z.jpg");
  File("new/a/z.jpg");
  const std::string first = File("new/a/y.jpg");
  File("new/b/y.jpg");
  File("new/.hidden/x.jpg");
  File("new/c/Case.JPG");
  Write(UserDir() + "grp-list.ini", "[DATA]\r\n01/02=.alb\r\n");
  Write(Photo("2014.ini"), "[01/02]\r\n" + Gone("z.jpg") + "=\r\n" + Gone("y.jpg") + "=\r\n" +
                               Gone("x.jpg") + "=\r\n" + Gone("case.jpg") + "=\r\n\r\n");
  const auto result = testing::RunCli({"repair", home.Join("new")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Read(Photo("2014.ini")), "[01/02]\r\n" + top + "=\r\n" + first + "=\r\n" +
                                         Gone("x.jpg") + "=\r\n" + Gone("case.jpg") + "=\r\n\r\n");
}

TEST_F(CliRepairTest, RepointingOntoAnExistingEntryNeverLosesAComment) {
  const std::string a = File("new/a.jpg");
  const std::string b = File("new/b.jpg");
  Write(UserDir() + "grp-list.ini", "[DATA]\r\n01/02=.alb\r\n");
  Write(Photo("2014.ini"), "[01/02]\r\n" + a + "=\r\n" + Gone("a.jpg") + "=思い出\r\n" + b +
                               "=元の\r\n" + Gone("b.jpg") + "=別の\r\n\r\n");
  const auto result = testing::RunCli({"repair", home.Join("new")});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Read(Photo("2014.ini")), "[01/02]\r\n" + a + "=思い出\r\n" + b + "=元の\r\n\r\n");
}

TEST_F(CliRepairTest, PageScopeAndDryRun) {
  const std::string a = File("new/a.jpg");
  Write(UserDir() + "grp-list.ini", "[DATA]\r\n01/02=.alb\r\n01/03=.alb\r\n");
  const std::string before = "[01/02]\r\n" + Gone("a.jpg") + "=\r\n\r\n[01/03]\r\n" +
                             Gone("a.jpg") + "=\r\n\r\n";
  Write(Photo("2014.ini"), before);
  Write(UserDir() + "album/2014.ini",
        "[01/02]\r\n00=表紙\r\n000100010200020000000000000=" + Gone("a.jpg") + "\r\n\r\n");

  auto result = testing::RunCli({"repair", home.Join("new"), "--page", "2014/01/02", "--dry-run"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, Gone("a.jpg") + " → " + a + "\n" + Gone("a.jpg") + " → " + a +
                            "\n不明ファイル数 > 2個\n\n2個の不明ファイルを修正しました。\n");
  EXPECT_EQ(Read(Photo("2014.ini")), before);

  result = testing::RunCli({"repair", home.Join("new"), "--page", "2014/01/02"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Read(Photo("2014.ini")),
            "[01/02]\r\n" + a + "=\r\n\r\n[01/03]\r\n" + Gone("a.jpg") + "=\r\n\r\n");
  EXPECT_EQ(Read(UserDir() + "album/2014.ini"),
            "[01/02]\r\n00=表紙\r\n000100010200020000000000000=" + a + "\r\n\r\n");
}

TEST_F(CliRepairTest, NothingMissingAndBadArguments) {
  Write(UserDir() + "grp-list.ini", "[DATA]\r\n01/02=.alb\r\n");
  Write(Photo("2014.ini"), "[01/02]\r\n" + File("pics/a.jpg") + "=\r\n\r\n");
  const auto result = testing::RunCli({"repair", home.Join("pics")});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "不明ファイルは有りませんでした。\n");
  EXPECT_EQ(testing::RunCli({"repair"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"repair", home.Join("pics"), "--page", "2014/02/30"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"repair", home.Join("nowhere")}).exitCode, 1);
}

}  // namespace
}  // namespace lumidex
