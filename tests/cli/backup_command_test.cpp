// lumidex-cli export and import through the real binary: the round trip
// into an empty home, hostile backups, a failing export and a killed import.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "foundation/text_codec.h"
#include "platform/environment.h"
#include "support/cli_runner.h"
#include "support/temp_home.h"

extern char** environ;

namespace lumidex {
namespace {

namespace fs = std::filesystem;

std::string Length(uint32_t n) {
  std::string bytes;
  for (int i = 0; i < 4; ++i) bytes += static_cast<char>((n >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Named(const std::string& name, const std::string& content, uint32_t claimed) {
  return Length(static_cast<uint32_t>(name.size())) + name + Length(claimed) + content;
}
std::string Named(const std::string& name, const std::string& content) {
  return Named(name, content, static_cast<uint32_t>(content.size()));
}

// Every file below `folder`, by path relative to it.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      files[fs::relative(entry.path(), folder).string()] = testing::ReadFile(entry.path().string());
    }
  }
  return files;
}

class CliBackupTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  std::string UserDir(const std::string& base) const {
    return base + "/data/" + platform::LoginName() + "/";
  }
  std::string UserDir() const { return UserDir(home.path()); }
  std::string Backup() const { return home.Join("backup/album.alb"); }

  static testing::CliOutput Run(const std::vector<std::string>& args) {
    auto result = testing::RunCli(args);
    EXPECT_EQ(result.exitCode, 0) << args.front() << ": " << result.err;
    return result;
  }

  // An album made with lumidex-cli, with a comment, a free layout document
  // and settings.
  void MakeAlbum() {
    const std::string a = home.Join("pics/a.jpg"), b = home.Join("pics/b.jpg");
    testing::WriteFile(a, "x");
    testing::WriteFile(b, "x");
    Run({"add", "2024/05/01", a, b});
    Run({"add", "2023/12/24", b});
    Run({"subalbum", "create", "2024/05/01", "旅行"});
    Run({"favourites", "add", "2024/05/01", a});
    const std::string year = UserDir() + "photo/2024.ini";
    std::string text = DecodeAlbumFile(testing::ReadFile(year));
    text.replace(text.find(a + "=") + a.size() + 1, 0, "海の写真･･二行目");
    testing::WriteFile(year, EncodeAlbumFile(text));
    testing::WriteFile(UserDir() + "album/2024.ini",
                       EncodeAlbumFile("[05/01]\r\nTAB1=一枚目\r\n[05/01-1]\r\n1=P,10,10,100,80,0," + a + "\r\n"));
    const std::string opl = home.Join("in.opl");
    testing::WriteFile(opl, EncodeAlbumFile("Ｔｓｕｂａｍｅ Registry Text Data Version 1.1\r\nLumidex\r\n\r\n"
                                            "[HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム]\r\n"
                                            "\"clr-no\"=dword:00000003\r\n\"backupdir\"=\"/srv/backups\"\r\n"));
    Run({"settings", "import", opl});
  }

  // What the album shows through lumidex-cli.
  static std::string Listing() {
    std::string text;
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"list"}, {"list", "2024", "--all"}, {"list", "2024/05/01"}, {"list", "2024/05/01", "旅行"},
             {"list", "2023/12/24"}, {"stats"}, {"stats", "2024"}, {"favourites", "2024"}, {"freelayout", "list", "2024"},
             {"settings", "get", "clr-no"}, {"settings", "get", "backupdir"}}) {
      const auto result = testing::RunCli(args);
      text += std::to_string(result.exitCode) + ":" + result.out + "\n";
    }
    return text;
  }
};

// Runs `body` with LUMIDEX_HOME (and the settings folder) at `folder`.
template <typename Body>
void InHome(const std::string& folder, Body body) {
  const std::string saved = std::getenv("LUMIDEX_HOME");
  const std::string savedConfig = std::getenv("XDG_CONFIG_HOME");
  fs::create_directories(folder);
  setenv("LUMIDEX_HOME", folder.c_str(), 1);
  setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  body();
  setenv("LUMIDEX_HOME", saved.c_str(), 1);
  setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
}

TEST_F(CliBackupTest, AnAlbumExportedAndImportedIntoAnEmptyHomeIsTheSameAlbum) {
  MakeAlbum();
  const std::string listing = Listing();
  ASSERT_NE(listing.find("海の写真"), std::string::npos);
  ASSERT_NE(listing.find("dword:00000003"), std::string::npos);
  const auto exported = Run({"export", Backup()});
  EXPECT_NE(exported.out.find(home.Join("backup/album.opl")), std::string::npos);
  const auto files = Snapshot(UserDir());

  const std::string other = home.Join("other");
  InHome(other, [&] {
    // Without --yes: the question and a refusal, nothing written.
    const auto asked = testing::RunCli({"import", Backup()});
    EXPECT_EQ(asked.exitCode, 1);
    EXPECT_NE(asked.err.find("not confirmed"), std::string::npos);
    EXPECT_NE(asked.err.find("追加"), std::string::npos);
    EXPECT_FALSE(fs::exists(UserDir(other) + "photo/2024.ini"));

    Run({"import", Backup(), "--yes"});
    EXPECT_EQ(Listing(), listing);
    auto imported = Snapshot(UserDir(other));
    EXPECT_EQ(imported, files);

    // Asked again over the imported album, it names what it replaces.
    const auto again = testing::RunCli({"import", Backup()});
    EXPECT_NE(again.err.find("置き換え: " + UserDir(other) + "photo/2024.ini"), std::string::npos);
  });
}

TEST_F(CliBackupTest, HostileBackupsAreRefusedWholeAndTheAlbumStaysByteForByte) {
  MakeAlbum();
  Run({"export", Backup()});
  const std::string good = testing::ReadFile(Backup());
  // Page index and lock list records, then a harmless year document.
  const std::string head = "photo1" + Length(5) + "[A]\r\n" + Length(0);
  const std::string year = Named("2031.ini", "[01/01]\r\n");
  std::mt19937 random(11);
  std::string noise;
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>(random() & 0xFF);
  const std::vector<std::pair<std::string, std::string>> hostile = {
      {"climbing out", head + year + Named("../../x", "[x]\r\n")},
      {"a folder part", head + year + Named("2032/../../../x.ini", "[x]\r\n")},
      {"an absolute path", head + year + Named("/tmp/2033.ini", "[x]\r\n")},
      {"a length past the end", head + year + Named("2034.ini", "[x]\r\n", 400)},
      {"a claimed 4 GB", head + year + Named("2035.ini", "[x]\r\n", 0xFFFFFFFFu)},
      {"a negative length", head + year + Named("2036.ini", "[x]\r\n", 0x80000000u)},
      {"truncated", good.substr(0, good.size() - 3)},
      {"random bytes", noise},
      {"random bytes after the mark", "photo1" + noise},
      {"binary content", head + Named("2037.ini", std::string("[x]\r\n\0\0", 7))},
  };
  const std::string base = home.path();
  const auto before = Snapshot(UserDir());
  int n = 0;
  for (const auto& [what, bytes] : hostile) {
    const std::string file = home.Join("hostile/" + std::to_string(++n) + ".alb");
    testing::WriteFile(file, bytes);
    const auto result = testing::RunCli({"import", file, "--yes"});
    EXPECT_EQ(result.exitCode, 1) << what;
    EXPECT_NE(result.err.find(file), std::string::npos) << what << ": " << result.err;
    EXPECT_EQ(Snapshot(UserDir()), before) << what;
  }
  EXPECT_FALSE(fs::exists(base + "/data/x.ini"));
  EXPECT_FALSE(fs::exists("/tmp/2033.ini"));
  // A good album file with a damaged favourites file beside it: refused too.
  testing::WriteFile(home.Join("backup/album.fav"), "fav" + Named("2024.ini", "[x]", 9));
  EXPECT_EQ(testing::RunCli({"import", Backup(), "--yes"}).exitCode, 1);
  EXPECT_EQ(Snapshot(UserDir()), before);
}

TEST_F(CliBackupTest, AnExportThatCannotBeWrittenFailsAndKeepsTheOldBackup) {
  MakeAlbum();
  testing::WriteFile(home.Join("plain-file"), "x");
  const auto blocked = testing::RunCli({"export", home.Join("plain-file/album.alb")});
  EXPECT_EQ(blocked.exitCode, 1);
  EXPECT_NE(blocked.err.find("作成できません"), std::string::npos) << blocked.err;
  EXPECT_EQ(blocked.out, "");

  Run({"export", Backup()});
  const auto old = Snapshot(home.Join("backup"));
  // The settings file's name taken by a folder: the export fails and none of
  // the four files changes, although the album did.
  fs::remove(home.Join("backup/album.opl"));
  fs::create_directory(home.Join("backup/album.opl"));
  Run({"add", "2024/06/01", home.Join("pics/a.jpg")});
  EXPECT_EQ(testing::RunCli({"export", Backup()}).exitCode, 1);
  auto now = Snapshot(home.Join("backup"));
  now["album.opl"] = old.at("album.opl");
  EXPECT_EQ(now, old);
}

// The import killed at different moments: each album file is whole, either
// as it was or as the backup has it, and the album still reads.
TEST_F(CliBackupTest, AnImportKilledPartWayLeavesEveryFileOldOrNew) {
  const std::string photo = UserDir() + "photo/";
  std::string index = "[DATA]\r\n";
  for (int day = 1; day <= 28; ++day) index += "01/" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "=.alb\r\n";
  auto writeAlbum = [&](const std::string& tag) {
    testing::WriteFile(UserDir() + "grp-list.ini", index);
    for (int year = 1901; year <= 1980; ++year) {
      std::string text;
      for (int day = 1; day <= 28; ++day) {
        text += "[01/" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "]\r\n";
        for (int i = 0; i < 20; ++i) text += "/pics/" + tag + std::to_string(i) + ".jpg=" + tag + "\r\n";
      }
      testing::WriteFile(photo + std::to_string(year) + ".ini", text);
    }
  };
  writeAlbum("new");
  Run({"export", Backup()});
  const auto fresh = Snapshot(UserDir());
  writeAlbum("old");
  const auto old = Snapshot(UserDir());

  const std::string cli = std::getenv("LUMIDEX_CLI");
  std::vector<std::string> args = {cli, "import", Backup(), "--yes"};
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  // The renames come at the end of a run: most kills are aimed there.
  const auto start = std::chrono::steady_clock::now();
  Run({"import", Backup(), "--yes"});
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  writeAlbum("old");
  int mixed = 0;
  for (const double part : {0.1, 0.5, 0.7, 0.8, 0.85, 0.9, 0.93, 0.96, 1.0}) {
    const auto delay = std::chrono::microseconds(static_cast<long>(whole.count() * part));
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, cli.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    std::this_thread::sleep_for(delay);
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    int newFiles = 0;
    for (const auto& [path, bytes] : Snapshot(UserDir())) {
      if (fs::path(path).filename().string().starts_with(".lumidex-save-")) continue;
      const bool isOld = old.count(path) != 0 && old.at(path) == bytes;
      const bool isNew = fresh.count(path) != 0 && fresh.at(path) == bytes;
      EXPECT_TRUE(isOld || isNew) << part << ": " << path;
      newFiles += isNew && !isOld;
    }
    mixed += newFiles > 0 && newFiles < 80;
    EXPECT_EQ(testing::RunCli({"list", "1950"}).exitCode, 0) << part;
    writeAlbum("old");
  }
  std::cout << "imports killed while renaming: " << mixed << " of 9\n";
}

}  // namespace
}  // namespace lumidex
