#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "desktop/desktop_entry.h"
#include "foundation/file_store.h"
#include "support/fake_file_store.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class DesktopEntryTest : public ::testing::Test {
 protected:
  std::string Written() const { return store_.files.at(path_); }

  testing::FakeFileStore store_;
  const std::string path_ = "/home/u/.local/share/applications/lumidex-album.desktop";
};

TEST_F(DesktopEntryTest, TheUserEntryLiesInTheDataHomeOrBelowTheHome) {
  EXPECT_EQ(UserDesktopEntryPath("/x/data/", "/home/u"), "/x/data/applications/lumidex-album.desktop");
  // A relative XDG_DATA_HOME is invalid and ignored.
  EXPECT_EQ(UserDesktopEntryPath("data", "/home/u"), path_);
  EXPECT_EQ(UserDesktopEntryPath("", "/home/u/"), path_);
}

TEST_F(DesktopEntryTest, ANewEntryStartsTheProgramAndReadsBackEvenWithAwkwardCharacters) {
  for (const std::string program :
       {"/usr/bin/lumidex-album", "/opt/my album/lumidex-album", "/tmp/a\"b`c$d\\e%f/アルバム"}) {
    const Result<std::string> text = DesktopEntryText(program);
    ASSERT_TRUE(text.ok()) << program;
    EXPECT_EQ(ExecProgram(text.value()), program);
    EXPECT_NE(text.value().find(" %F\n"), std::string::npos);
    EXPECT_NE(text.value().find("Name[ja]=ルミデクスアルバム\n"), std::string::npos);
  }
  // A newline would end the Exec line and add keys of its own.
  EXPECT_FALSE(DesktopEntryText("/tmp/x\nTerminal=true").ok());
  EXPECT_FALSE(DesktopEntryText("lumidex-album").ok());
}

TEST_F(DesktopEntryTest, ExecIsReadFromTheMainGroupOnly) {
  EXPECT_EQ(ExecProgram("[Desktop Entry]\nName=x\nExec = /usr/bin/prog --flag %U\n"), "/usr/bin/prog");
  EXPECT_EQ(ExecProgram("[Desktop Entry]\nExec=\"/a b/prog\" %F\n"), "/a b/prog");
  EXPECT_EQ(ExecProgram("[Desktop Entry]\nExec=\"/a\\sb/prog\"\n"), "/a b/prog");
  EXPECT_EQ(ExecProgram("[Desktop Entry]\nExec=/a\\sb/prog\n"), "/a");
  EXPECT_EQ(ExecProgram("[Desktop Action x]\nExec=/other\n[Desktop Entry]\nExec=/mine\n"), "/mine");
  EXPECT_EQ(ExecProgram("[Desktop Entry]\nExec[ja]=/localised\n"), "");
  EXPECT_EQ(ExecProgram("[Desktop Entry]\nExec=\"/unclosed\n"), "");
  EXPECT_EQ(ExecProgram("Exec=/no/group\n"), "");
}

TEST_F(DesktopEntryTest, TheRepairItemIsHiddenOnlyWhenTheEntryStartsTheRunningProgram) {
  const std::string running = "/usr/bin/lumidex-album";
  store_.files[path_] = DesktopEntryText(running).value();
  EXPECT_FALSE(ShortcutRepairOffered(ReadDesktopEntry(store_, path_), running));
  EXPECT_TRUE(ShortcutRepairOffered(ReadDesktopEntry(store_, path_), "/opt/lumidex-album"));

  store_.files.erase(path_);
  EXPECT_EQ(ReadDesktopEntry(store_, path_).kind, DesktopEntryState::Kind::kMissing);
  EXPECT_TRUE(ShortcutRepairOffered(ReadDesktopEntry(store_, path_), running));

  store_.files[path_] = std::string("[Desktop Entry]\nExec=") + running + "\n\xff\xfe";
  const DesktopEntryState binary = ReadDesktopEntry(store_, path_);
  EXPECT_EQ(binary.kind, DesktopEntryState::Kind::kUnreadable);
  EXPECT_NE(binary.problem.find(path_), std::string::npos);
  EXPECT_TRUE(ShortcutRepairOffered(binary, running));
}

TEST_F(DesktopEntryTest, TheQuestionNamesTheOldAndTheNewTarget) {
  EXPECT_EQ(ShortcutRepairQuestion("/old/prog", "/new/prog"),
            "旧 > /old/prog\n新 > /new/prog\n\n新しいリンク先に変更しますか？");
}

TEST_F(DesktopEntryTest, RepairRewritesOnlyTheProgramOfAnExistingEntry) {
  store_.files[path_] =
      "# mine\n[Desktop Entry]\nName=Album\nTryExec=/old/prog\nExec=/old/prog %F\nIcon=custom\n"
      "[Desktop Action New]\nExec=/old/prog --new\n";
  ASSERT_TRUE(RepairDesktopEntry(store_, path_, "/new dir/prog").ok());
  EXPECT_EQ(Written(),
            "# mine\n[Desktop Entry]\nName=Album\nTryExec=/new dir/prog\nExec=\"/new dir/prog\" %F\n"
            "Icon=custom\n[Desktop Action New]\nExec=/old/prog --new\n");
  EXPECT_EQ(ReadDesktopEntry(store_, path_).target, "/new dir/prog");

  // An entry without the main group is written anew; so is a missing one.
  store_.files[path_] = "garbage\n";
  ASSERT_TRUE(RepairDesktopEntry(store_, path_, "/new/prog").ok());
  EXPECT_EQ(Written(), DesktopEntryText("/new/prog").value());
}

TEST_F(DesktopEntryTest, RepairLeavesAnUnreadableEntryAndAFailedWriteAlone) {
  const std::string binary = std::string("[Desktop Entry]\nExec=/old\n\0\x01", 28);
  store_.files[path_] = binary;
  EXPECT_FALSE(RepairDesktopEntry(store_, path_, "/new/prog").ok());
  EXPECT_EQ(Written(), binary);

  store_.files[path_] = "[Desktop Entry]\nExec=/old\n";
  store_.failWrites = true;
  const Status failed = RepairDesktopEntry(store_, path_, "/new/prog");
  EXPECT_FALSE(failed.ok());
  EXPECT_NE(failed.message().find(path_), std::string::npos);
  EXPECT_EQ(Written(), "[Desktop Entry]\nExec=/old\n");
}

TEST(DesktopEntryFileTest, RepairOnDiskMakesTheFolderAndRefusesAFolderInTheEntrysPlace) {
  testing::TempHome home;
  const std::string path = UserDesktopEntryPath(home.Join("data"), "/nonexistent");
  ASSERT_TRUE(RepairDesktopEntry(RealFileStore(), path, "/usr/bin/lumidex-album").ok());
  EXPECT_EQ(ReadDesktopEntry(RealFileStore(), path).target, "/usr/bin/lumidex-album");

  const std::string folderEntry = UserDesktopEntryPath(home.Join("other"), "/nonexistent");
  ASSERT_EQ(::mkdir(home.Join("other").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(home.Join("other/applications").c_str(), 0755), 0);
  ASSERT_EQ(::mkdir(folderEntry.c_str(), 0755), 0);
  EXPECT_EQ(ReadDesktopEntry(RealFileStore(), folderEntry).kind, DesktopEntryState::Kind::kUnreadable);
  EXPECT_FALSE(RepairDesktopEntry(RealFileStore(), folderEntry, "/usr/bin/lumidex-album").ok());
  struct stat st {};
  ASSERT_EQ(::stat(folderEntry.c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST(DesktopEntryIconTest, TheIconComesFromTheDesktopEntryThatRunsTheProgram) {
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

  EXPECT_EQ(DesktopEntryIcon("/usr/bin/mypaint", folders), "mypaint-icon");
  EXPECT_EQ(DesktopEntryIcon("/opt/My Tools/retouch", folders),
            "/opt/My Tools/retouch.png");
  EXPECT_EQ(DesktopEntryIcon("/usr/bin/unknown", folders), "");
  EXPECT_EQ(DesktopEntryIcon(system + "/a-other.desktop", {}), "other");

  EXPECT_EQ(ApplicationFolders("", "/home/u", ""),
            (std::vector<std::string>{"/home/u/.local/share/applications",
                                      "/usr/local/share/applications", "/usr/share/applications"}));
  EXPECT_EQ(ApplicationFolders("/d", "/home/u", "/x::/y"),
            (std::vector<std::string>{"/d/applications", "/x/applications", "/y/applications"}));
}

}  // namespace
}  // namespace lumidex
