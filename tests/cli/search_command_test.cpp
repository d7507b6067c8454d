#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("grp-list.ini", "[DATA]\r\n03/15=.alb\r\n05/05=.alb\r\n");
    Write("daylc.ini", "[LCK]\r\n2014/05/05=\r\n");
    Write("photo/2014.ini",
          "[03/15]\r\n/p/IMG_0001 (2).jpg=海･･サクラ\r\n/桜/b.jpg=\r\n@03/15Trip=旅\r\n"
          "[05/05]\r\n/p/img_locked.jpg=\r\n");
    Write("photo/2014S.ini", "[03/15Trip]\r\n/s/ｻｸﾗ.jpg=\r\n/s/y.jpg=\r\n");
    Write("photo/2015.ini", "[03/15]\r\n/q/さくら.png=\r\n");
  }
  void Write(const std::string& name, const std::string& text) {
    testing::WriteFile(home.path() + "/data/" + platform::LoginName() + "/" + name, EncodeAlbumFile(text));
  }
  std::string Search(std::vector<std::string> args) {
    args.insert(args.begin(), "search");
    const auto result = testing::RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return result.out;
  }

  testing::TempHome home;
};

TEST_F(CliSearchTest, FindsNamesFoldersSubAlbumsAndCommentsOutsideLockedPages) {
  // Case ignored; the locked page 2014/05/05 never appears; the hit is a
  // record, so a name with " (2)" comes out whole.
  EXPECT_EQ(Search({"IMG", "--names"}), "2014/03/15\t\t/p/IMG_0001 (2).jpg\t海･･サクラ\n");
  // A sub-album found by its name, with the path of its first entry; its
  // name matches by the same rule as file names (letter case ignored).
  EXPECT_EQ(Search({"trip", "--subalbums"}), "2014/03/15\tTrip\t/s/ｻｸﾗ.jpg\t旅\n");
  EXPECT_EQ(Search({"桜", "--folders"}), "2014/03/15\t\t/桜/b.jpg\t\n");
  // Comments in their stored form (a line break is "･･").
  EXPECT_EQ(Search({"海･･", "--comments"}), "2014/03/15\t\t/p/IMG_0001 (2).jpg\t海･･サクラ\n");
  // Kana and width folding: さくら finds ｻｸﾗ in a sub-album and さくら, not
  // the katakana comment (file names only).
  EXPECT_EQ(Search({"さくら", "--names", "--ignore-kana", "--ignore-width"}),
            "2014/03/15\tTrip\t/s/ｻｸﾗ.jpg\t\n2015/03/15\t\t/q/さくら.png\t\n");
  EXPECT_EQ(Search({"さくら", "--names", "--year", "2015"}), "2015/03/15\t\t/q/さくら.png\t\n");
  EXPECT_EQ(Search({"nothing"}), "");
  EXPECT_EQ(testing::RunCli({"search"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"search", "\xFF\xFE"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
