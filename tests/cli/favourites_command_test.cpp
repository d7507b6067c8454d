#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class CliFavouritesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("grp-list.ini", "[DATA]\r\n08/02=.alb\r\n05/05=.alb\r\n");
    Write("daylc.ini", "[LCK]\r\n2014/05/05=\r\n");
    Write("photo/2014.ini", "[08/02]\r\n/p/a.jpg=海\r\n@08/02旅行=\r\n[05/05]\r\n/p/locked.jpg=\r\n");
    Write("photo/2014S.ini", "[08/02旅行]\r\n/s/b.jpg=\r\n");
  }
  std::string UserDir() const { return home.path() + "/data/" + platform::LoginName() + "/"; }
  void Write(const std::string& name, const std::string& text) {
    testing::WriteFile(UserDir() + name, EncodeAlbumFile(text));
  }
  void Run(const std::vector<std::string>& args) {
    const auto result = testing::RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << result.err;
  }

  testing::TempHome home;
};

TEST_F(CliFavouritesTest, AddsListsAndDeletesTheFavouritesOfAYear) {
  Run({"favourites", "add", "2014/08/02", "/s/b.jpg"});
  Run({"favourites", "add", "2014/08/02", "/p/a.jpg"});
  Run({"favourites", "add", "2014/08/02", "/p/a.jpg"});  // the key is kept once
  Run({"favourites", "add", "2014/08/02", "@08/02旅行"});
  const std::string file = UserDir() + "myphoto/2014.ini";
  EXPECT_EQ(DecodeAlbumFile(testing::ReadFile(file)),
            "[08/02]\r\n/s/b.jpg=@08/02旅行\r\n/p/a.jpg=08/02\r\n@08/02旅行=\r\n\r\n");
  auto list = testing::RunCli({"favourites", "2014"});
  EXPECT_EQ(list.out, "08/02\t\t/p/a.jpg\n08/02\t旅行\t/s/b.jpg\n08/02\t旅行\t@08/02旅行\n");

  // An entry of no page, and a locked page, are refused; nothing changes.
  EXPECT_EQ(testing::RunCli({"favourites", "add", "2014/08/02", "/elsewhere.jpg"}).exitCode, 1);
  EXPECT_EQ(testing::RunCli({"favourites", "add", "2014/05/05", "/p/locked.jpg"}).exitCode, 1);

  // Deleting a sub-album's favourite leaves the sub-album alone.
  Run({"favourites", "delete", "2014/08/02", "@08/02旅行"});
  list = testing::RunCli({"favourites", "2014"});
  EXPECT_EQ(list.out, "08/02\t\t/p/a.jpg\n08/02\t旅行\t/s/b.jpg\n");
  EXPECT_NE(DecodeAlbumFile(testing::ReadFile(UserDir() + "photo/2014.ini")).find("@08/02旅行="), std::string::npos);
  EXPECT_EQ(testing::RunCli({"favourites", "delete", "2014/08/02", "@08/02旅行"}).exitCode, 1);
}

}  // namespace
}  // namespace lumidex
