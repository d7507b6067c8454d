#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "album/album_store.h"
#include "foundation/app_environment.h"
#include "foundation/settings_load_store.h"
#include "mainwindow/exit_sequence.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

using testing::FileExists;
using testing::ReadFile;
using testing::TempHome;
using testing::WriteFile;

// The exit over a real album and settings store, as the window program runs
// it; the steps of views that have nothing to stop only record their turn.
class AlbumExit : public ExitSteps {
 public:
  AlbumExit(AlbumStore& album, SettingsStore& store) : album_(album), store_(store) {}
  std::vector<std::string> calls;

  bool ConfirmFreeLayoutClose() override { return true; }
  void CloseHelpWindow() override {}
  void CloseToolWindows() override {}
  void StopDayWatcher() override {}
  bool DeleteCacheAtExit() const override { return false; }
  void DeleteCacheFiles() override {}
  void StopWorkers() override { calls.push_back("workers"); }
  Status SaveAlbum() override { return calls.push_back("album"), album_.Close(); }
  Status StoreSettings() override { return calls.push_back("settings"), lumidex::StoreSettings(store_, Settings{}); }
  void ReportError(const Status& s) override { calls.push_back("error:" + s.message()); }

 private:
  AlbumStore& album_;
  SettingsStore& store_;
};

class AlbumExitTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const DataFolders folders = DataFolders::ForBase(home_.path(), "tester");
    yearFile_ = folders.photoDir + "2024.ini";
    // A year document as an older album left it: cp932, CR LF.
    WriteFile(yearFile_, "[05/01]\r\n/photos/a.jpg=\r\n\r\n");
    WriteFile(folders.PageIndexPath(), "[DATA]\r\n05/01=.alb\r\n\r\n");
    auto env = AppEnvironment::Open(home_.path(), "tester");
    ASSERT_TRUE(env.ok());
    env_ = std::move(env).value();
    album_ = std::make_unique<AlbumStore>(env_->folders, env_->types, *env_->pageIndex, *env_->lockList);
    ASSERT_TRUE(album_->SwitchYear("2024/05/01").ok());
  }

  TempHome home_;
  std::unique_ptr<AppEnvironment> env_;
  std::unique_ptr<AlbumStore> album_;
  std::string yearFile_;
  SettingsStore store_{home_.Join("settings.reg")};
};

TEST_F(AlbumExitTest, ExitWithNoChangeWritesNoAlbumFile) {
  const auto written = std::filesystem::last_write_time(yearFile_);
  AlbumExit exit(*album_, store_);
  RunExit(exit);
  EXPECT_EQ(ReadFile(yearFile_), "[05/01]\r\n/photos/a.jpg=\r\n\r\n");
  EXPECT_EQ(std::filesystem::last_write_time(yearFile_), written);
  EXPECT_FALSE(FileExists(env_->folders.photoDir + "2024S.ini"));
  EXPECT_EQ(exit.calls, (std::vector<std::string>{"workers", "album", "settings"}));
  EXPECT_TRUE(FileExists(home_.Join("settings.reg")));  // the settings are still written
}

TEST_F(AlbumExitTest, ExitSavesAChangedYearDocument) {
  album_->ChangeYearDocument([](TMemIniFile& doc) { doc.SetValue("05/01", "/photos/b.jpg", ""); });
  AlbumExit exit(*album_, store_);
  RunExit(exit);
  EXPECT_NE(ReadFile(yearFile_).find("/photos/b.jpg="), std::string::npos);
  EXPECT_EQ(exit.calls, (std::vector<std::string>{"workers", "album", "settings"}));
}

}  // namespace
}  // namespace lumidex
