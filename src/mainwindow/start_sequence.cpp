#include "mainwindow/start_sequence.h"

namespace lumidex {

StartResult RunStart(StartSteps& steps) {
  if (!steps.AcquireSingleInstance()) {
    steps.ReportAlreadyRunning();
    return StartResult::kAlreadyRunning;
  }
  steps.ImportPendingSettings();

  steps.SetDefaults();
  steps.MakeFolders();
  steps.CheckDataFolderWritable();

  steps.ShowSplash();
  if (Status opened = steps.OpenDocuments(); !opened.ok()) {
    steps.RemoveSplash();
    steps.ReportStartError(opened);
    return StartResult::kFailed;
  }
  steps.LoadSettings();
  steps.MeasureCache();
  steps.ApplyColourScheme();
  steps.ShowFirstMonth();
  steps.StartWorkers();
  steps.RemoveSplash();
  steps.ReportSettingsProblems();
  return StartResult::kStarted;
}

}  // namespace lumidex
