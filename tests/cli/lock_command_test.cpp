#include <gtest/gtest.h>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

// An album made with lumidex-cli: the page 05/05 holds sea.jpg in 2014 and
// hill.jpg in 2015; 06/01 holds park.jpg in 2014. sea.jpg is a favourite.
class CliLockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Add("2014/05/05", "sea");
    Add("2015/05/05", "hill");
    Add("2014/06/01", "park");
    ASSERT_EQ(testing::RunCli({"favourites", "add", "2014/05/05", Picture("sea")}).exitCode, 0);
  }
  std::string Picture(const std::string& name) const { return home.Join("pics/" + name + ".jpg"); }
  void Add(const std::string& date, const std::string& name) {
    testing::WriteFile(Picture(name), "x");
    ASSERT_EQ(testing::RunCli({"add", date, Picture(name)}).exitCode, 0);
  }
  std::string LockList() const {
    return testing::ReadFile(home.path() + "/data/" + platform::LoginName() + "/daylc.ini");
  }
  std::string Settings() const { return testing::ReadFile(home.Join("settings.reg")); }
  testing::CliOutput Lock(const std::string& verb, const std::string& date, const std::string& password) {
    return testing::RunCli({verb, date}, password + "\n");
  }
  // Whether sea.jpg shows in the search, the favourites and the slide show
  // of its page.
  void ExpectSeaShown(bool shown) {
    const std::string sea = Picture("sea");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"search", "sea"}, {"favourites", "2014"},
          {"slides", "2014/05/05", "--until", "2014/12/31"}}) {
      const testing::CliOutput result = testing::RunCli(args);
      EXPECT_EQ(result.exitCode, 0) << args[0] << ": " << result.err;
      EXPECT_EQ(result.out.find(sea) != std::string::npos, shown) << args[0] << ": " << result.out;
    }
  }

  testing::TempHome home;
};

TEST_F(CliLockTest, LockRegistersThePasswordAndHidesThePageOfThatYearOnly) {
  ExpectSeaShown(true);
  const testing::CliOutput locked = Lock("lock", "2014/05/05", "Secret-1");
  ASSERT_EQ(locked.exitCode, 0) << locked.err;
  EXPECT_EQ(LockList(), "[LCK]\r\n2014/05/05=\r\n\r\n");
  // The password is stored scrambled, never as typed.
  EXPECT_NE(Settings().find("\"listlck\""), std::string::npos) << Settings();
  EXPECT_EQ(Settings().find("Secret-1"), std::string::npos) << Settings();
  ExpectSeaShown(false);
  // The same page of 2015 is not locked.
  EXPECT_NE(testing::RunCli({"search", "hill"}).out.find(Picture("hill")), std::string::npos);

  ASSERT_EQ(Lock("lock", "2014/06/01", "Secret-1").exitCode, 0);
  EXPECT_EQ(LockList(), "[LCK]\r\n2014/05/05=\r\n2014/06/01=\r\n\r\n");
}

TEST_F(CliLockTest, AWrongPasswordChangesNothingAndTheRightOneUnlocks) {
  ASSERT_EQ(Lock("lock", "2014/05/05", "Secret-1").exitCode, 0);
  const std::string lockList = LockList(), settings = Settings();
  for (const std::string& wrong : {"secret-1", "Secret-", ""}) {
    const testing::CliOutput refused = Lock("unlock", "2014/05/05", wrong);
    EXPECT_EQ(refused.exitCode, 1) << wrong;
    EXPECT_NE(refused.err.find("パスワード"), std::string::npos) << refused.err;
  }
  EXPECT_EQ(Lock("lock", "2014/06/01", "wrong").exitCode, 1);
  EXPECT_EQ(LockList(), lockList);
  EXPECT_EQ(Settings(), settings);
  ExpectSeaShown(false);

  const testing::CliOutput unlocked = Lock("unlock", "2014/05/05", "Secret-1");
  ASSERT_EQ(unlocked.exitCode, 0) << unlocked.err;
  EXPECT_EQ(LockList(), "[LCK]\r\n\r\n");
  ExpectSeaShown(true);
  // Unlocking a page that is not locked changes nothing and says so.
  const testing::CliOutput again = Lock("unlock", "2014/05/05", "Secret-1");
  EXPECT_EQ(again.exitCode, 0);
  EXPECT_FALSE(again.err.empty());
}

TEST_F(CliLockTest, RefusesBadDatesAndMissingPages) {
  EXPECT_EQ(Lock("lock", "2014/02/30", "p").exitCode, 2);
  EXPECT_EQ(testing::RunCli({"lock"}, "p\n").exitCode, 2);
  EXPECT_EQ(Lock("lock", "2014/07/07", "p").exitCode, 1);
  EXPECT_EQ(LockList(), "");
  EXPECT_EQ(Settings().find("listlck"), std::string::npos);
}

}  // namespace
}  // namespace lumidex
