#include "mainwindow/exit_sequence.h"

namespace lumidex {

bool QueryClose(ExitSteps& steps) {
  const bool mayClose = steps.ConfirmFreeLayoutClose();
  steps.CloseHelpWindow();
  return mayClose;
}

void RunExit(ExitSteps& steps) {
  steps.CloseToolWindows();
  steps.StopDayWatcher();
  if (steps.DeleteCacheAtExit()) steps.DeleteCacheFiles();
  steps.StopWorkers();
  if (Status saved = steps.SaveAlbum(); !saved.ok()) steps.ReportError(saved);
  if (Status stored = steps.StoreSettings(); !stored.ok()) steps.ReportError(stored);
}

}  // namespace lumidex
