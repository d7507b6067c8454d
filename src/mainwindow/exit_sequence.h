#pragma once

#include "foundation/status.h"

namespace lumidex {

// The steps of ending the window program. The window implements them;
// QueryClose and RunExit call them in the one fixed order. Main thread only.
class ExitSteps {
 public:
  virtual ~ExitSteps() = default;

  // The free layout's save question for unsaved changes; false (Cancel)
  // refuses the close. True when there is nothing to ask.
  virtual bool ConfirmFreeLayoutClose() = 0;
  // Closes the help window when it is open.
  virtual void CloseHelpWindow() = 0;
  // Makes the image list visible and closes the page-list tool window.
  virtual void CloseToolWindows() = 0;
  // Stops the day-change watcher and waits for it.
  virtual void StopDayWatcher() = 0;
  // The "delhdd" setting.
  virtual bool DeleteCacheAtExit() const = 0;
  // Deletes every file directly in the cache folder.
  virtual void DeleteCacheFiles() = 0;
  // Stops the cursor watcher and the list workers; closes the music player.
  virtual void StopWorkers() = 0;
  // Leaves an open page or sub-album (saving it) and saves the year and
  // sub-album documents, each only when modified. Nothing is written when
  // nothing changed.
  virtual Status SaveAlbum() = 0;
  // Writes all settings.
  virtual Status StoreSettings() = 0;
  // Shows a failure of SaveAlbum or StoreSettings to the user.
  virtual void ReportError(const Status& status) = 0;
};

// The close query: the free layout's save question decides; in either case
// an open help window is asked to close. True when the window may close.
bool QueryClose(ExitSteps& steps);

// The exit after an accepted close: tool windows, day watcher, cache deletion
// when "delhdd" is on, workers, album save, settings. A failed album save is
// reported and the settings are still written; a failed settings write is
// reported too, so no change of the run is lost without a word.
void RunExit(ExitSteps& steps);

}  // namespace lumidex
