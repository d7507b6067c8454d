#include "platform/environment.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/temp_home.h"

namespace lumidex::platform {
namespace {

TEST(EnvironmentTest, LumidexHomeDecidesTheBaseAndSettingsFolders) {
  testing::TempHome home;
  EXPECT_EQ(ApplicationBaseFolder(), home.path());
  EXPECT_EQ(SettingsFolder(), home.path());
  ::setenv("LUMIDEX_HOME", (home.path() + "//").c_str(), 1);
  EXPECT_EQ(ApplicationBaseFolder(), home.path());
}

TEST(EnvironmentTest, XdgFoldersWithoutLumidexHome) {
  testing::TempHome home;
  ::unsetenv("LUMIDEX_HOME");
  ::setenv("XDG_DATA_HOME", "/xdg/data", 1);
  ::setenv("XDG_CONFIG_HOME", "/xdg/config/", 1);
  EXPECT_EQ(ApplicationBaseFolder(), "/xdg/data/lumidex-album");
  EXPECT_EQ(SettingsFolder(), "/xdg/config/lumidex-album");
  ::setenv("XDG_DATA_HOME", "relative", 1);  // not absolute: ignored
  ::setenv("HOME", "/home/u", 1);
  EXPECT_EQ(ApplicationBaseFolder(), "/home/u/.local/share/lumidex-album");
  ::unsetenv("XDG_DATA_HOME");
}

TEST(EnvironmentTest, LoginNameIsNeverEmpty) { EXPECT_FALSE(LoginName().empty()); }

}  // namespace
}  // namespace lumidex::platform
