#pragma once

#include "foundation/status.h"

namespace lumidex {

// The steps of starting the window program. The window program implements
// them; RunStart calls them in the one fixed order, so that order lives in a
// single place and a test can check it with fakes. Main thread only.
class StartSteps {
 public:
  virtual ~StartSteps() = default;

  // Process start.
  // Takes the single-instance lock; false when another copy holds it.
  virtual bool AcquireSingleInstance() = 0;
  // Shows the title followed by "は実行中です。".
  virtual void ReportAlreadyRunning() = 0;
  // Imports a settings text file left for this start ("opld"), if any.
  virtual void ImportPendingSettings() = 0;

  // Window construction.
  // Settings to their defaults; today's "mm/dd" as the open page and today's
  // month as the shown month.
  virtual void SetDefaults() = 0;
  // Works out the data folders and creates the missing ones in table order.
  virtual void MakeFolders() = 0;
  // Checks that the album can be written; shows the warning and goes on.
  virtual void CheckDataFolderWritable() = 0;

  // Window creation.
  virtual void ShowSplash() = 0;
  // Opens the page index and the lock list and builds the file-type lists
  // (managed types empty for now). A failure ends the start.
  virtual Status OpenDocuments() = 0;
  // Reads all settings; fills the managed types, may replace the cache
  // folder. Problems found in stored values are kept for ReportSettingsProblems.
  virtual void LoadSettings() = 0;
  // Measures the disk cache for the status bar.
  virtual void MeasureCache() = 0;
  virtual void ApplyColourScheme() = 0;
  // Draws the first month, which opens that year's documents.
  virtual void ShowFirstMonth() = 0;
  virtual void StartWorkers() = 0;
  virtual void RemoveSplash() = 0;
  // Shows, once, the stored values that could not be read.
  virtual void ReportSettingsProblems() = 0;
  // Shows an error that ended the start.
  virtual void ReportStartError(const Status& status) = 0;
};

enum class StartResult {
  kStarted,         // the window is ready for its message loop
  kAlreadyRunning,  // another copy runs; end with code 0, no window
  kFailed,          // the start failed and was reported; end with an error code
};

// Runs the start in order: single instance (stopping when another copy runs),
// pending settings import, construction (defaults, folders, writable check),
// then creation (splash, documents and file types, settings, cache size, colour
// scheme, first month, workers, splash removal), and last the report of
// settings problems.
StartResult RunStart(StartSteps& steps);

}  // namespace lumidex
