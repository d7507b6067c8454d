#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

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

TEST(ImageEditorTest, ThePaintProgramIsTheFirstDesktopEditorAndTheArgumentsAreNeverOptions) {
  testing::TempHome home;
  const std::string bin = home.path() + "/bin";
  ::mkdir(bin.c_str(), 0755);
  EXPECT_EQ(platform::FindPaintProgram(bin), "");
  for (const char* name : {"gimp", "pinta"}) {
    testing::WriteFile(bin + "/" + name, "#!/bin/sh\n");
    ::chmod((bin + "/" + name).c_str(), 0755);
  }
  EXPECT_EQ(platform::FindPaintProgram(bin), bin + "/pinta");

  EXPECT_EQ(platform::EditorArguments("/usr/bin/gimp", "/photos/a b.jpg"),
            (std::vector<std::string>{"/usr/bin/gimp", "/photos/a b.jpg"}));
  EXPECT_EQ(platform::EditorArguments("/usr/bin/gimp", "-rf.jpg"),
            (std::vector<std::string>{"/usr/bin/gimp", "./-rf.jpg"}));
  EXPECT_TRUE(platform::EditorArguments("", "/photos/a.jpg").empty());
}

}  // namespace
}  // namespace lumidex
