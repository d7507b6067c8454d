#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "desktop_fixture.h"
#include "platform/environment.h"
#include "support/cli_runner.h"

namespace lumidex {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The words a POSIX shell reads from `line`.
std::vector<std::string> ShellWords(const std::string& line) {
  const std::string command = "/bin/sh -c 'printf \"%s\\n\" \"$@\"' sh " + line;
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[512];
  while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  if (pipe != nullptr) pclose(pipe);
  return Lines(out);
}

class WallpaperCommandTest : public ::testing::Test {
 protected:
  WallpaperCommandTest() {
    picture_ = home_.Join("pics/Summer 'day'.jpg");
    testing::WriteFile(picture_, testing::JpegBytes(32, 24));
    folder_ = home_.path() + "/data/" + platform::LoginName() + "/SCR/";
  }

  testing::TempHome home_;
  std::string picture_;
  std::string folder_;
};

TEST_F(WallpaperCommandTest, DryRunPrintsTheCommandsAndChangesNothing) {
  ScopedEnv desktop("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
  const auto gnome = testing::RunCli({"wallpaper", picture_, "--style", "3", "--dry-run"});
  ASSERT_EQ(gnome.exitCode, 0) << gnome.err;
  const std::string uri = "file://" + folder_ + "Summer%20%27day%27.jpg";
  const std::vector<std::string> lines = Lines(gnome.out);
  ASSERT_EQ(lines.size(), 3u) << gnome.out;
  EXPECT_EQ(lines[0], "gsettings set org.gnome.desktop.background picture-uri " + uri);
  EXPECT_EQ(lines[1], "gsettings set org.gnome.desktop.background picture-uri-dark " + uri);
  EXPECT_EQ(lines[2], "gsettings set org.gnome.desktop.background picture-options scaled");
  EXPECT_FALSE(std::filesystem::exists(folder_));

  // A plain path with a space and quotes reads back as one word.
  ScopedEnv mate("XDG_CURRENT_DESKTOP", "MATE");
  const auto plain = testing::RunCli({"wallpaper", picture_, "--dry-run"});
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  const std::vector<std::string> words = ShellWords(Lines(plain.out).at(0));
  EXPECT_EQ(words, (std::vector<std::string>{"gsettings", "set", "org.mate.background",
                                             "picture-filename", folder_ + "Summer 'day'.jpg"}));

  const auto remove = testing::RunCli({"wallpaper", "--remove", "--dry-run"});
  ASSERT_EQ(remove.exitCode, 0);
  EXPECT_NE(remove.out.find("picture-options none"), std::string::npos);
}

TEST_F(WallpaperCommandTest, RefusesUnknownDesktopMissingFileAndBadArguments) {
  ScopedEnv desktop("XDG_CURRENT_DESKTOP", "Sway");
  const auto unknown = testing::RunCli({"wallpaper", picture_, "--dry-run"});
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_TRUE(unknown.out.empty());
  EXPECT_NE(unknown.err.find("XDG_CURRENT_DESKTOP: Sway"), std::string::npos);
  EXPECT_EQ(testing::RunCli({"wallpaper", "--remove"}).exitCode, 1);

  ScopedEnv gnome("XDG_CURRENT_DESKTOP", "GNOME");
  const auto missing = testing::RunCli({"wallpaper", home_.Join("pics/none.jpg"), "--dry-run"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_NE(missing.err.find("ファイルがありません: " + home_.Join("pics/none.jpg")),
            std::string::npos);
  EXPECT_EQ(testing::RunCli({"wallpaper", picture_, "--style", "5"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"wallpaper", picture_, "--remove"}).exitCode, 2);
  EXPECT_EQ(testing::RunCli({"wallpaper"}).exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(folder_));
}

// A stand-in gsettings on PATH receives the real run's arguments.
TEST_F(WallpaperCommandTest, RealRunHandsExactArgumentsToTheDesktopToolAndKeepsTheCopy) {
  const std::string bin = home_.Join("bin");
  const std::string log = home_.Join("gsettings.log");
  testing::WriteFile(bin + "/gsettings",
                     "#!/bin/sh\n"
                     "if [ \"$3\" = picture-options ] && [ \"$4\" = zoom ]; then\n"
                     "  echo 'No such value' >&2; exit 1\nfi\n"
                     "printf '%s|' \"$@\" >> '" +
                         log + "'\necho >> '" + log + "'\n");
  ASSERT_EQ(chmod((bin + "/gsettings").c_str(), 0755), 0);
  ScopedEnv path("PATH", bin + ":" + std::getenv("PATH"));
  ScopedEnv desktop("XDG_CURRENT_DESKTOP", "X-Cinnamon");

  const auto set = testing::RunCli({"wallpaper", picture_, "--style", "1"});
  ASSERT_EQ(set.exitCode, 0) << set.err;
  const std::string copy = folder_ + "Summer 'day'.jpg";
  EXPECT_EQ(set.out, copy + "\n");
  EXPECT_EQ(testing::ReadFile(copy), testing::ReadFile(picture_));
  const std::string schema = "set|org.cinnamon.desktop.background|";
  EXPECT_EQ(testing::ReadFile(log), schema + "picture-uri|file://" + folder_ +
                                        "Summer%20%27day%27.jpg|\n" + schema +
                                        "picture-options|wallpaper|\n");

  // The tool's own error reaches the user, with a failing exit code.
  const auto refused = testing::RunCli({"wallpaper", picture_, "--style", "4"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("No such value"), std::string::npos);

  const auto list = testing::RunCli({"wallpaper", "--list"});
  EXPECT_EQ(list.out, copy + "\n");
}

}  // namespace
}  // namespace lumidex
