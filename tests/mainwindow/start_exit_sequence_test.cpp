#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwindow/exit_sequence.h"
#include "mainwindow/start_sequence.h"

namespace lumidex {
namespace {

using Calls = std::vector<std::string>;

// Records every step it is asked to run.
class RecordingStart : public StartSteps {
 public:
  bool otherCopyRuns = false;
  Status documents = Status::Ok();
  Calls calls;

  bool AcquireSingleInstance() override { return Log("lock"), !otherCopyRuns; }
  void ReportAlreadyRunning() override { Log("already-running"); }
  void ImportPendingSettings() override { Log("import"); }
  void SetDefaults() override { Log("defaults"); }
  void MakeFolders() override { Log("folders"); }
  void CheckDataFolderWritable() override { Log("writable"); }
  void ShowSplash() override { Log("splash"); }
  Status OpenDocuments() override { return Log("documents"), documents; }
  void LoadSettings() override { Log("settings"); }
  void MeasureCache() override { Log("cache"); }
  void ApplyColourScheme() override { Log("scheme"); }
  void ShowFirstMonth() override { Log("month"); }
  void StartWorkers() override { Log("workers"); }
  void RemoveSplash() override { Log("unsplash"); }
  void ReportSettingsProblems() override { Log("problems"); }
  void ReportStartError(const Status& s) override { Log("error:" + s.message()); }

 private:
  void Log(std::string what) { calls.push_back(std::move(what)); }
};

class RecordingExit : public ExitSteps {
 public:
  bool freeLayoutAllows = true;
  bool deleteCache = false;
  Status album = Status::Ok();
  Status settings = Status::Ok();
  Calls calls;

  bool ConfirmFreeLayoutClose() override { return Log("free-layout"), freeLayoutAllows; }
  void CloseHelpWindow() override { Log("help"); }
  void CloseToolWindows() override { Log("tools"); }
  void StopDayWatcher() override { Log("day-watcher"); }
  bool DeleteCacheAtExit() const override { return deleteCache; }
  void DeleteCacheFiles() override { Log("delete-cache"); }
  void StopWorkers() override { Log("workers"); }
  Status SaveAlbum() override { return Log("album"), album; }
  Status StoreSettings() override { return Log("settings"), settings; }
  void ReportError(const Status& s) override { Log("error:" + s.message()); }

 private:
  void Log(std::string what) { calls.push_back(std::move(what)); }
};

TEST(StartSequenceTest, StepsRunInTheirFixedOrder) {
  RecordingStart start;
  EXPECT_EQ(RunStart(start), StartResult::kStarted);
  EXPECT_EQ(start.calls, (Calls{"lock", "import", "defaults", "folders", "writable", "splash", "documents",
                                "settings", "cache", "scheme", "month", "workers", "unsplash", "problems"}));
}

TEST(StartSequenceTest, SecondCopyReportsAndBuildsNothing) {
  RecordingStart start;
  start.otherCopyRuns = true;
  EXPECT_EQ(RunStart(start), StartResult::kAlreadyRunning);
  EXPECT_EQ(start.calls, (Calls{"lock", "already-running"}));
}

TEST(StartSequenceTest, UnreadableDocumentEndsTheStartAfterRemovingTheSplash) {
  RecordingStart start;
  start.documents = Status::Error("ファイル /x/grp-list.ini は開けません");
  EXPECT_EQ(RunStart(start), StartResult::kFailed);
  EXPECT_EQ(start.calls, (Calls{"lock", "import", "defaults", "folders", "writable", "splash", "documents",
                                "unsplash", "error:ファイル /x/grp-list.ini は開けません"}));
}

TEST(ExitSequenceTest, CloseQueryAsksTheFreeLayoutThenClosesHelp) {
  RecordingExit exit;
  EXPECT_TRUE(QueryClose(exit));
  EXPECT_EQ(exit.calls, (Calls{"free-layout", "help"}));
}

TEST(ExitSequenceTest, CancelInTheFreeLayoutRefusesTheCloseButStillClosesHelp) {
  RecordingExit exit;
  exit.freeLayoutAllows = false;
  EXPECT_FALSE(QueryClose(exit));
  EXPECT_EQ(exit.calls, (Calls{"free-layout", "help"}));
}

TEST(ExitSequenceTest, WorkersStopBeforeTheAlbumIsSavedAndSettingsComeLast) {
  RecordingExit exit;
  RunExit(exit);
  EXPECT_EQ(exit.calls, (Calls{"tools", "day-watcher", "workers", "album", "settings"}));
}

TEST(ExitSequenceTest, CacheIsDeletedAfterTheDayWatcherStopsWhenAsked) {
  RecordingExit exit;
  exit.deleteCache = true;
  RunExit(exit);
  EXPECT_EQ(exit.calls, (Calls{"tools", "day-watcher", "delete-cache", "workers", "album", "settings"}));
}

TEST(ExitSequenceTest, FailedAlbumSaveIsReportedAndSettingsAreStillWritten) {
  RecordingExit exit;
  exit.album = Status::Error("ファイル /x/2026.ini を作成できません");
  RunExit(exit);
  EXPECT_EQ(exit.calls, (Calls{"tools", "day-watcher", "workers", "album",
                               "error:ファイル /x/2026.ini を作成できません", "settings"}));
}

TEST(ExitSequenceTest, FailedSettingsWriteIsReported) {
  RecordingExit exit;
  exit.settings = Status::Error("settings.reg");
  RunExit(exit);
  ASSERT_FALSE(exit.calls.empty());
  EXPECT_EQ(exit.calls.back(), "error:settings.reg");
}

}  // namespace
}  // namespace lumidex
