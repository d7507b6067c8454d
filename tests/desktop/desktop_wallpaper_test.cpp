#include <gtest/gtest.h>

#include <filesystem>

#include "desktop/desktop_wallpaper.h"
#include "desktop/wallpaper_folder.h"
#include "desktop_fixture.h"
#include "images/shell_images.h"

namespace lumidex {
namespace {

using Argv = std::vector<std::string>;

class DesktopWallpaperTest : public ::testing::Test {
 protected:
  DesktopWallpaperTest() {
    pictures_ = home_.Join("my pictures") + "/";
    folder_ = home_.Join("data/user/SCR") + "/";
    testing::WriteFile(pictures_ + "It's here.jpg", testing::JpegBytes(64, 48));
  }

  DesktopWallpaper Wallpaper(const std::string& xdg, ScreenSize screen = {}) {
    return DesktopWallpaper(xdg, folder_, runner_, NoShellImages(), screen);
  }

  testing::TempHome home_;
  testing::RecordingRunner runner_;
  std::string pictures_;
  std::string folder_;
};

struct DesktopCase {
  std::string xdg;
  int style;
  std::vector<Argv> needed;  // commands the desktop needs, among those run
};

TEST_F(DesktopWallpaperTest, EachDesktopGetsThePictureAndPlacementInItsOwnSetting) {
  const std::string copy = folder_ + "It's here.jpg";
  const std::string uri = "file://" + folder_ + "It%27s%20here.jpg";
  ASSERT_EQ(uri.find(' '), std::string::npos);
  const std::string gnome = "org.gnome.desktop.background";
  const std::string xfceBackdrop = "/backdrop/screen0/monitorHDMI-1/workspace0";
  const std::vector<DesktopCase> cases = {
      {"ubuntu:GNOME",
       4,
       {{"gsettings", "set", gnome, "picture-uri", uri},
        {"gsettings", "set", gnome, "picture-uri-dark", uri},
        {"gsettings", "set", gnome, "picture-options", "zoom"}}},
      {"gnome", 1, {{"gsettings", "set", gnome, "picture-options", "wallpaper"}}},
      {"X-Cinnamon",
       0,
       {{"gsettings", "set", "org.cinnamon.desktop.background", "picture-uri", uri},
        {"gsettings", "set", "org.cinnamon.desktop.background", "picture-options", "centered"}}},
      {"MATE",
       3,
       {{"gsettings", "set", "org.mate.background", "picture-filename", copy},
        {"gsettings", "set", "org.mate.background", "picture-options", "scaled"}}},
      {"XFCE",
       2,
       {{"xfconf-query", "-c", "xfce4-desktop", "-p", xfceBackdrop + "/last-image", "-n", "-t",
         "string", "-s", copy},
        {"xfconf-query", "-c", "xfce4-desktop", "-p", xfceBackdrop + "/image-style", "-n", "-t",
         "int", "-s", "3"}}},
  };
  runner_.reply = [&](const Argv& argv) -> Result<std::string> {
    if (argv.back() == "-l")
      return std::string("/backdrop/screen0/monitorHDMI-1/workspace0/last-image\n");
    return std::string();
  };
  for (const DesktopCase& c : cases) {
    SCOPED_TRACE(c.xdg);
    runner_.ran.clear();
    DesktopWallpaper wallpaper = Wallpaper(c.xdg);
    const Result<std::string> set = wallpaper.Set(pictures_ + "It's here.jpg", c.style);
    ASSERT_TRUE(set.ok()) << set.status().message();
    EXPECT_EQ(set.value(), copy);
    for (const Argv& argv : c.needed) EXPECT_TRUE(runner_.Ran(argv)) << CommandLineText(argv);
  }

  // Plasma gets one script that names the file as a URI and the fill mode
  // of a picture scaled to cover the screen.
  runner_.ran.clear();
  ASSERT_TRUE(Wallpaper("KDE").Set(pictures_ + "It's here.jpg", 4).ok());
  ASSERT_EQ(runner_.ran.size(), 1u);
  const Argv& plasma = runner_.ran.front();
  EXPECT_EQ(plasma.front(), "dbus-send");
  EXPECT_NE(plasma.back().find("writeConfig(\"Image\", \"" + uri + "\")"), std::string::npos);
  EXPECT_NE(plasma.back().find("writeConfig(\"FillMode\", 2)"), std::string::npos);
}

TEST_F(DesktopWallpaperTest, StyleIsReadBackFromTheDesktop) {
  runner_.reply = [](const Argv& argv) -> Result<std::string> {
    if (argv[0] == "gsettings") return std::string("'stretched'\n");
    if (argv.back() == "-l")
      return std::string("/backdrop/screen0/monitor1/workspace0/last-image\n");
    if (argv[0] == "xfconf-query") return std::string("5\n");
    return std::string("method return time=1 serial=77\n   string \"3\"\n");
  };
  EXPECT_EQ(Wallpaper("GNOME").CurrentStyle(), WallpaperStyle::kStretch);
  EXPECT_EQ(Wallpaper("XFCE").CurrentStyle(), WallpaperStyle::kFitWidth);
  EXPECT_TRUE(runner_.Ran({"xfconf-query", "-c", "xfce4-desktop", "-p",
                           "/backdrop/screen0/monitor1/workspace0/image-style"}));
  EXPECT_EQ(Wallpaper("KDE").CurrentStyle(), WallpaperStyle::kTile);
  runner_.reply = [](const Argv&) -> Result<std::string> { return std::string("'spanned'\n"); };
  EXPECT_EQ(Wallpaper("MATE").CurrentStyle(), WallpaperStyle::kCentre);
}

TEST_F(DesktopWallpaperTest, UnknownDesktopIsRefusedWithNothingRunOrWritten) {
  for (const std::string xdg : {"", "Enlightenment", "LXQt:Openbox"}) {
    DesktopWallpaper wallpaper = Wallpaper(xdg);
    const Result<std::string> set = wallpaper.Set(pictures_ + "It's here.jpg", 0);
    ASSERT_FALSE(set.ok());
    EXPECT_NE(set.status().message().find("XDG_CURRENT_DESKTOP"), std::string::npos);
    EXPECT_FALSE(wallpaper.Remove().ok());
  }
  EXPECT_TRUE(runner_.ran.empty());
  EXPECT_FALSE(std::filesystem::exists(folder_));
}

TEST_F(DesktopWallpaperTest, MissingOrUndecodablePictureChangesNothing) {
  testing::WriteFile(pictures_ + "broken.jpg", "not a picture");
  DesktopWallpaper wallpaper = Wallpaper("GNOME");
  const Result<std::string> missing = wallpaper.Set(pictures_ + "gone.jpg", 0);
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.status().message().find(pictures_ + "gone.jpg"), std::string::npos);
  EXPECT_FALSE(wallpaper.Set("", 0).ok());
  EXPECT_FALSE(wallpaper.Set(pictures_, 0).ok());  // a folder is no picture
  const Result<std::string> broken = wallpaper.Set(pictures_ + "broken.jpg", 0);
  ASSERT_FALSE(broken.ok());
  EXPECT_NE(broken.status().message().find("背景にできない"), std::string::npos);
  EXPECT_FALSE(wallpaper.Set(pictures_ + "It's here.jpg", 5).ok());
  EXPECT_TRUE(runner_.ran.empty());
  EXPECT_TRUE(ListWallpaperFiles(folder_).empty());
}

TEST_F(DesktopWallpaperTest, FolderKeepsOneCopyPerPictureName) {
  // A large picture of a type other than ".jpg" is converted to fit the screen.
  testing::WriteFile(pictures_ + "wide.jpeg", testing::JpegBytes(400, 200));
  testing::WriteFile(home_.Join("other/It's here.JPG"), testing::JpegBytes(20, 10));
  DesktopWallpaper wallpaper = Wallpaper("GNOME", {100, 100});
  ASSERT_TRUE(wallpaper.Set(pictures_ + "It's here.jpg", 0).ok());
  ASSERT_TRUE(wallpaper.Set(pictures_ + "wide.jpeg", 0).ok());
  EXPECT_EQ(ListWallpaperFiles(folder_), (std::vector<std::string>{"It's here.jpg", "wide.jpg"}));
  const Result<JpegSize> wide = ReadJpegSize(testing::ReadFile(folder_ + "wide.jpg"));
  ASSERT_TRUE(wide.ok());
  EXPECT_EQ(wide.value().width, 100);
  EXPECT_EQ(wide.value().height, 50);
  // A ".jpg" is copied byte for byte; the same name from elsewhere replaces it.
  EXPECT_EQ(testing::ReadFile(folder_ + "It's here.jpg"),
            testing::ReadFile(pictures_ + "It's here.jpg"));
  ASSERT_TRUE(wallpaper.Set(home_.Join("other/It's here.JPG"), 0).ok());
  EXPECT_EQ(ListWallpaperFiles(folder_), (std::vector<std::string>{"It's here.jpg", "wide.jpg"}));
  EXPECT_EQ(ReadJpegSize(testing::ReadFile(folder_ + "It's here.jpg")).value().width, 20);

  // Deleting takes names in the folder only.
  testing::WriteFile(home_.Join("data/user/keep.jpg"), "x");
  ASSERT_TRUE(DeleteWallpaperFiles(folder_, {"../keep.jpg", "wide.jpg", ".."}).ok());
  EXPECT_EQ(ListWallpaperFiles(folder_), (std::vector<std::string>{"It's here.jpg"}));
  EXPECT_TRUE(testing::FileExists(home_.Join("data/user/keep.jpg")));
}

TEST_F(DesktopWallpaperTest, RemovingClearsThePictureAndAFailedCommandIsReported) {
  ASSERT_TRUE(Wallpaper("GNOME").Remove().ok());
  EXPECT_TRUE(runner_.Ran({"gsettings", "set", "org.gnome.desktop.background", "picture-uri", ""}));
  EXPECT_TRUE(
      runner_.Ran({"gsettings", "set", "org.gnome.desktop.background", "picture-options", "none"}));
  // An older GNOME without the dark key still takes the picture; a refused
  // picture key is a failure.
  runner_.reply = [](const Argv& argv) -> Result<std::string> {
    if (argv[3] == "picture-uri-dark")
      return Status::Error("gsettings が失敗しました: No such key");
    return std::string();
  };
  EXPECT_TRUE(Wallpaper("GNOME").Set(pictures_ + "It's here.jpg", 2).ok());
  runner_.reply = [](const Argv&) -> Result<std::string> {
    return Status::Error("gsettings が失敗しました: No such schema");
  };
  const Result<std::string> failed = Wallpaper("Cinnamon").Set(pictures_ + "It's here.jpg", 2);
  ASSERT_FALSE(failed.ok());
  EXPECT_NE(failed.status().message().find("No such schema"), std::string::npos);
}

}  // namespace
}  // namespace lumidex
