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

TEST(ImageEditorTest, TheIconComesFromTheDesktopEntryThatRunsTheProgram) {
  testing::TempHome home;
  const std::string user = home.path() + "/user/applications";
  const std::string system = home.path() + "/system/applications";
  std::filesystem::create_directories(user);
  std::filesystem::create_directories(system);
  testing::WriteFile(system + "/a-other.desktop",
                     "[Desktop Entry]\nExec=otherpaint %f\nIcon=other\n");
  testing::WriteFile(system + "/b-paint.desktop",
                     "[Desktop Action New]\nExec=mypaint --new\nIcon=wrong\n"
                     "[Desktop Entry]\nName=Paint\nIcon[ja]=localised\nExec=env LANG=C mypaint "
                     "%U\nIcon = mypaint-icon\n");
  testing::WriteFile(
      user + "/quoted.desktop",
      "[Desktop Entry]\nExec=\"/opt/My Tools/retouch\" %f\nIcon=/opt/My Tools/retouch.png\n");
  const std::vector<std::string> folders = {user, system, home.path() + "/missing"};

  EXPECT_EQ(platform::DesktopEntryIcon("/usr/bin/mypaint", folders), "mypaint-icon");
  EXPECT_EQ(platform::DesktopEntryIcon("/opt/My Tools/retouch", folders),
            "/opt/My Tools/retouch.png");
  EXPECT_EQ(platform::DesktopEntryIcon("/usr/bin/unknown", folders), "");
  EXPECT_EQ(platform::DesktopEntryIcon(system + "/a-other.desktop", {}), "other");

  EXPECT_EQ(platform::ApplicationFolders("", "/home/u", ""),
            (std::vector<std::string>{"/home/u/.local/share/applications",
                                      "/usr/local/share/applications", "/usr/share/applications"}));
  EXPECT_EQ(platform::ApplicationFolders("/d", "/home/u", "/x::/y"),
            (std::vector<std::string>{"/d/applications", "/x/applications", "/y/applications"}));
}

}  // namespace
}  // namespace lumidex
