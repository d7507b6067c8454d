// Whole-album safety through the real lumidex-cli (and the real window):
// writers one at a time, files that cannot be read never written over, the
// page index healed and the left-overs of killed saves removed at start.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "foundation/text_codec.h"
#include "platform/album_writer_lock.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

extern char** environ;

namespace lumidex {
namespace {

namespace fs = std::filesystem;

class CliAlbumSafetyTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  std::string UserDir() const { return home.path() + "/data/" + platform::LoginName() + "/"; }
  std::string YearPath(const std::string& year) const {
    return UserDir() + "photo/" + year + ".ini";
  }
  std::string IndexPath() const { return UserDir() + "grp-list.ini"; }
  std::string ReadAlbum(const std::string& path) const {
    return DecodeAlbumFile(testing::ReadFile(path));
  }
  std::string Picture(const std::string& name) const {
    const std::string path = home.Join("pics/" + name);
    testing::WriteFile(path, "x");
    return path;
  }
};

TEST_F(CliAlbumSafetyTest, WritersRacingOnOneYearKeepEveryEntryAndPage) {
  constexpr int kWriters = 8;
  std::vector<std::thread> threads;
  std::vector<testing::CliOutput> results(kWriters);
  for (int i = 0; i < kWriters; ++i) {
    const std::string day = "2024/05/0" + std::to_string(1 + i % 4);  // two writers per page
    const std::string picture = Picture("p" + std::to_string(i) + ".jpg");
    threads.emplace_back([&results, i, day, picture] {
      results[i] = testing::RunCli({"add", day, picture});
    });
  }
  for (auto& thread : threads) thread.join();
  for (const auto& result : results) EXPECT_EQ(result.exitCode, 0) << result.err;
  const std::string year = ReadAlbum(YearPath("2024"));
  const std::string index = ReadAlbum(IndexPath());
  for (int i = 0; i < kWriters; ++i) {
    EXPECT_NE(year.find(home.Join("pics/p" + std::to_string(i) + ".jpg=")), std::string::npos) << i;
    EXPECT_NE(index.find("05/0" + std::to_string(1 + i % 4) + "=.alb"), std::string::npos) << i;
  }
}

// The window program beside lumidex-cli in the build tree.
std::string WindowProgram() {
  const char* cli = std::getenv("LUMIDEX_CLI");
  if (cli == nullptr) return "";
  const fs::path path = fs::path(cli).parent_path().parent_path() / "app" / "lumidex-album";
  return fs::exists(path) ? path.string() : "";
}

TEST_F(CliAlbumSafetyTest, AWriteIsRefusedWhileTheWindowRunsAndReadsStillWork) {
  const std::string window = WindowProgram();
  if (window.empty()) GTEST_SKIP() << "the window program is not built";
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::vector<char*> argv = {const_cast<char*>(window.c_str()), nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, window.c_str(), nullptr, nullptr, argv.data(), environ), 0);
  // The window writes its line into the lock file once it holds the lock.
  const std::string lockFile = platform::AlbumWriterLock::LockFileFor(home.path());
  for (int i = 0; i < 600 && testing::ReadFile(lockFile).rfind("window ", 0) != 0; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_EQ(testing::ReadFile(lockFile).rfind("window ", 0), 0u) << "the window did not start";

  const auto add = testing::RunCli({"add", "2024/05/01", Picture("a.jpg")});
  EXPECT_EQ(add.exitCode, 1);
  EXPECT_NE(add.err.find("ルミデクスアルバムの実行中はアルバムを変更できません。"),
            std::string::npos)
      << add.err;
  EXPECT_FALSE(testing::FileExists(YearPath("2024")));
  EXPECT_EQ(testing::RunCli({"list", "2024"}).exitCode, 0);

  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  EXPECT_EQ(testing::RunCli({"add", "2024/05/01", home.Join("pics/a.jpg")}).exitCode, 0);
}

// Each kind of file the album cannot read, put in place of a year document.
struct HostileFile {
  const char* name;
  void (*make)(const std::string& path);
  bool regular;  // a regular file is a year the year list names
};

void MakeWideText(const std::string& path) {
  testing::WriteFile(path, std::string("\xFF\xFE[\0"
                                       "0\0"
                                       "5\0",
                                       8));
}
void MakeBinary(const std::string& path) {
  std::string bytes;
  for (int i = 0; i < 8796; ++i) bytes += static_cast<char>((i * 7919) % 256);
  testing::WriteFile(path, "[05/05]\r\n" + bytes);
}
void MakeEndlessLine(const std::string& path) {
  testing::WriteFile(path, std::string(3 << 20, 'a'));
}
void MakeFifo(const std::string& path) {
  testing::WriteFile(path, "");
  fs::remove(path);
  ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
}
void MakeZeroLink(const std::string& path) {
  testing::WriteFile(path, "");
  fs::remove(path);
  fs::create_symlink("/dev/zero", path);
}

// What a path is now: its kind and, for a regular file, its bytes.
std::string Fingerprint(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return "missing";
  if (!S_ISREG(st.st_mode)) return "mode " + std::to_string(st.st_mode);
  return testing::ReadFile(path);
}

TEST_F(CliAlbumSafetyTest, AYearDocumentThatIsNotAlbumTextIsRefusedByEveryCommandAndNeverWritten) {
  const HostileFile kinds[] = {{"UTF-16", MakeWideText, true},
                               {"binary", MakeBinary, true},
                               {"endless line", MakeEndlessLine, true},
                               {"FIFO", MakeFifo, false},
                               {"link to /dev/zero", MakeZeroLink, false}};
  const std::string picture = Picture("shot.jpg");
  const std::string folder = home.Join("pics");
  // Automatic registration dates the picture by its file time: 2024/05/05.
  struct utimbuf times {
    1714867200, 1714867200
  };
  ASSERT_EQ(::utime(picture.c_str(), &times), 0);
  testing::WriteFile(IndexPath(), EncodeAlbumFile("[DATA]\r\n05/05=.alb\r\n"));
  for (const auto& kind : kinds) {
    SCOPED_TRACE(kind.name);
    kind.make(YearPath("2024"));
    const std::string before = Fingerprint(YearPath("2024"));
    std::vector<std::vector<std::string>> commands{
        {"list", "2024"}, {"add", "2024/05/05", picture}, {"auto-register", folder}};
    if (kind.regular) commands.push_back({"list"});
    for (const auto& args : commands) {
      const auto result = testing::RunCli(args);
      EXPECT_EQ(result.exitCode, 1) << args[0] << ": " << result.err;
      EXPECT_NE(result.err.find("2024.ini"), std::string::npos) << args[0] << ": " << result.err;
      EXPECT_EQ(Fingerprint(YearPath("2024")), before) << args[0];
    }
    fs::remove(YearPath("2024"));
  }
}

TEST_F(CliAlbumSafetyTest, AnUnreadablePageIndexOrSettingsFileIsNeverWrittenOver) {
  const std::string garbage("PK\x03\x04\0\0garbage\0\x01\x02", 16);
  testing::WriteFile(IndexPath(), garbage);
  auto result = testing::RunCli({"page", "create", "03/03"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("grp-list.ini"), std::string::npos) << result.err;
  EXPECT_EQ(testing::ReadFile(IndexPath()), garbage);

  const std::string settings = platform::SettingsFolder() + "/settings.reg";
  const std::string damaged =
      std::string("Lumidex\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"1\"\0\"b\"=\"2\"\r\n", 47);
  testing::WriteFile(settings, damaged);
  const std::string import = home.Join("import.reg");
  testing::WriteFile(
      import,
      *EncodeCp932Exact("Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\nLumidex\r\n\r\n"
                        "[HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム]\r\n"
                        "\"alfha\"=dword:000000C8\r\n"));
  EXPECT_NE(testing::RunCli({"settings", "import", import}).exitCode, 0);
  EXPECT_EQ(testing::ReadFile(settings), damaged);
}

TEST_F(CliAlbumSafetyTest, AWriterRestoresLostPageKeysAndRemovesLeftOversOfKilledSaves) {
  testing::WriteFile(IndexPath(), EncodeAlbumFile("[DATA]\r\n05/05=.alb\r\n"));
  testing::WriteFile(YearPath("2024"),
                     EncodeAlbumFile("[05/05]\r\n/a.jpg=\r\n[06/06]\r\n/b.jpg=\r\n"));
  const std::string stale = UserDir() + "photo/.lumidex-save-Ab12Cd";
  const std::string other = UserDir() + "photo/.lumidex-save-notours";
  testing::WriteFile(stale, "half a year document");
  testing::WriteFile(other, "kept");
  struct utimbuf old {
    1000000000, 1000000000
  };
  ASSERT_EQ(::utime(stale.c_str(), &old), 0);

  // A reader changes nothing.
  EXPECT_EQ(testing::RunCli({"list", "2024"}).out, "05/05\t1\t0\t0\t\n");
  EXPECT_TRUE(testing::FileExists(stale));

  auto result = testing::RunCli({"page", "create", "01/01"});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.err.find("06/06（2024年）"), std::string::npos) << result.err;
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n05/05=.alb\r\n06/06=.alb\r\n01/01=.alb\r\n\r\n");
  EXPECT_FALSE(testing::FileExists(stale));
  EXPECT_TRUE(testing::FileExists(other));
  result = testing::RunCli({"page", "create", "01/02"});
  EXPECT_EQ(result.err, "");
}

}  // namespace
}  // namespace lumidex
