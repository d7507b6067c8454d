#include <gtest/gtest.h>

#include <filesystem>

#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(CliInfoTest, PrintsAndCreatesEveryDataFolder) {
  testing::TempHome home;
  const auto result = testing::RunCli({"info"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string user = home.path() + "/data/" + platform::LoginName() + "/";
  const std::string expected = "programDir: " + home.path() + "/\n" +
                               "dataDir: " + home.path() + "/data/\n" +
                               "cacheDir: " + home.path() + "/data/jpgdat/\n" +
                               "userDir: " + user + "\n" +
                               "photoDir: " + user + "photo/\n" +
                               "holidayDir: " + user + "holiday/\n" +
                               "myPhotoDir: " + user + "myphoto/\n" +
                               "albumDir: " + user + "album/\n";
  EXPECT_EQ(result.out, expected);
  EXPECT_TRUE(std::filesystem::is_directory(user + "album"));
}

TEST(CliInfoTest, HelpListsCommandsAndUnknownCommandsAreUsageErrors) {
  testing::TempHome home;
  const auto help = testing::RunCli({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("lumidex-cli info"), std::string::npos);
  const auto unknown = testing::RunCli({"frobnicate"});
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_NE(unknown.err.find("unknown command"), std::string::npos);
  EXPECT_EQ(testing::RunCli({"info", "extra"}).exitCode, 2);
}

}  // namespace
}  // namespace lumidex
