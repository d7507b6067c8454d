#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/settings_store.h"
#include "mainwindow/exit_sequence.h"
#include "mainwindow/start_sequence.h"

class QApplication;
class QTimer;

namespace lumidex {

class AlbumStore;
class AlbumViews;
class SplashScreen;
class TDayChkThread;
class TForm1;
class ThumbnailCache;
namespace platform {
class AlbumWriterLock;
class SingleInstanceLock;
}

// The window program for one run: the start and exit steps over the real
// pieces (single-instance lock, settings store, album folders and documents,
// album store, thumbnail cache, main window). Main thread only.
class AlbumProgram : public StartSteps, public ExitSteps {
 public:
  AlbumProgram();
  ~AlbumProgram() override;

  // Starts the program, runs the message loop while the window is open and
  // returns the process exit code. The application's arguments are files
  // to register on the pages of their shooting dates once the window runs.
  int Run(QApplication& app);

  // StartSteps.
  bool AcquireSingleInstance() override;
  void ReportAlreadyRunning() override;
  void ImportPendingSettings() override;
  void SetDefaults() override;
  void MakeFolders() override;
  void CheckDataFolderWritable() override;
  void ShowSplash() override;
  Status OpenDocuments() override;
  void LoadSettings() override;
  void MeasureCache() override;
  void ApplyColourScheme() override;
  void ShowFirstMonth() override;
  void StartWorkers() override;
  void RemoveSplash() override;
  void ReportSettingsProblems() override;
  void ReportStartError(const Status& status) override;

  // ExitSteps.
  bool ConfirmFreeLayoutClose() override;
  void CloseHelpWindow() override;
  void CloseToolWindows() override;
  void StopDayWatcher() override;
  bool DeleteCacheAtExit() const override;
  void DeleteCacheFiles() override;
  void StopWorkers() override;
  Status SaveAlbum() override;
  Status StoreSettings() override;
  void ReportError(const Status& status) override;

 private:
  // Opens the thumbnail cache on the current cache folder and counts it.
  void OpenCache();
  // The disk indicator: free space and the cache's size as counted now.
  void ShowCacheSpace();
  // Takes the album writer lock for the run and removes the temporary files
  // killed saves left; fails when a command keeps the album busy.
  Status AcquireAlbumLock();
  // What a later start on the same album handed over: the window comes to
  // the front and `paths` (absolute) are registered as the files of a start.
  void TakeHandedFiles(std::vector<std::string> paths);
  // Registers the handed files now, or later when the window is busy.
  void RegisterHandedFiles();

  const std::string baseFolder_;
  const std::string loginName_;
  SettingsStore settingsStore_;
  std::unique_ptr<platform::SingleInstanceLock> lock_;
  std::unique_ptr<platform::AlbumWriterLock> albumLock_;
  std::unique_ptr<TForm1> window_;
  std::unique_ptr<SplashScreen> splash_;
  std::unique_ptr<AlbumStore> album_;
  std::unique_ptr<ThumbnailCache> cache_;
  AlbumViews* views_ = nullptr;  // the calendar and the image list; the window owns them
  QTimer* cacheSpaceTimer_ = nullptr;  // owned by the window
  TDayChkThread* dayWatcher_ = nullptr;  // the periodic check; owned by the window
  std::vector<std::string> settingsProblems_;
  // Documents that stand empty and restorations, shown once after the start.
  std::vector<std::string> startProblems_;
  std::string restoredPagesNote_;
  // The files the program was started with ("open with").
  std::vector<std::string> openedFiles_;
  // Files handed over by later starts that wait for the window to be free.
  std::vector<std::string> handedFiles_;
  bool handedRetryPending_ = false;
};

}  // namespace lumidex
