#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/image_editor.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

TEST(ImageEditorTest, TheSettingWinsElseTheFirstDesktopEditorOnThePath) {
  testing::TempHome home;
  const std::string first = home.path() + "/bin1";
  const std::string second = home.path() + "/bin2";
  auto program = [](const std::string& file, bool runnable) {
    testing::WriteFile(file, "#!/bin/sh\n");
    ::chmod(file.c_str(), runnable ? 0755 : 0644);
  };
  ::mkdir(first.c_str(), 0755);
  ::mkdir(second.c_str(), 0755);
  program(first + "/gimp", true);
  program(first + "/pinta", false);  // not runnable: skipped
  program(second + "/pinta", true);
  program(second + "/myeditor", true);
  const std::string path = first + "::" + second;
  EXPECT_EQ(platform::FindImageEditor("", path), second + "/pinta");
  EXPECT_EQ(platform::FindImageEditor("myeditor", path), second + "/myeditor");
  EXPECT_EQ(platform::FindImageEditor(first + "/gimp", ""), first + "/gimp");
  EXPECT_EQ(platform::FindImageEditor("gone", path), second + "/pinta");
  EXPECT_EQ(platform::FindImageEditor("", home.path() + "/none"), "");
}

}  // namespace
}  // namespace lumidex
