#pragma once

#include <string>
#include <vector>

#include "foundation/data_folders.h"
#include "foundation/file_types.h"
#include "foundation/settings.h"
#include "foundation/settings_store.h"
#include "foundation/status.h"

namespace lumidex {

// Reading Settings at start and writing them at exit.
//
// How the window uses these (after ImportPendingSettings, which runs before
// the window exists; see pending_settings_import.h):
//
//   SettingsStore store(SettingsFilePath(platform::SettingsFolder()));
//
//   Window creation, after the data folders and file-type lists exist:
//     SettingsLoadResult loaded = LoadSettings(store, env.folders, env.types);
//     settings = loaded.settings;             // held for the whole run
//     if (!loaded.status.ok()) show loaded.status.message();
//     if (loaded.firstStart) convert the by-date free layout documents;
//     apply "langfrg", "tabline", "freemode", the "extlist" file filter.
//   Once the window is shown (after start-up):
//     if (!loaded.problems.empty()) show SettingsProblemMessage(loaded.problems);
//
//   Exit, after the year documents are saved:
//     if (Status s = StoreSettings(store, settings); !s.ok()) show s.message();

// What LoadSettings found.
struct SettingsLoadResult {
  // Defaults, overwritten by every stored value of the right type and range.
  Settings settings;
  // Names of stored values that were not taken (another type than the
  // value's own, or outside its range), in the order of Settings. Each keeps
  // its default and is written with its right type at exit.
  std::vector<std::string> problems;
  // True when the store had no "dataver": the very first start. "dataver" = 1
  // has been written; the caller converts the free layout documents.
  bool firstStart = false;
  // Ok, or the message of a store that could not be read ("ファイル %s は開け
  // ません"; the defaults are used) or whose "updatepath"/"dataver" could not
  // be written ("ファイル %s を作成できません").
  Status status;
};

// Reads every setting from `store`, then:
// - "g-dir" and "a-dir" are emptied when their folder does not exist;
// - a stored "wdir" whose folder exists becomes folders.cacheDir (and
//   settings.wdir); otherwise both stay as they were;
// - the "extlist" lines become types' ManagedTypes;
// - "updatepath" (folders.programDir) and "dataver" (1) are written at once
//   when absent.
// Never fails on damaged or hostile content: such values keep defaults.
SettingsLoadResult LoadSettings(SettingsStore& store, DataFolders& folders, FileTypeLists& types);

// The one message shown after start-up for the values in `problems`, e.g.
// 設定値 "alfha"、"hol-sw" が正しくないため、既定値を使用します。
std::string SettingsProblemMessage(const std::vector<std::string>& problems);

// Writes every setting to `store` in one pass, except "updatepath" and
// "dataver" (written at load), "listlck" (written only when the store has
// none yet; the page lock writes it at once when the password changes) and
// "wdir" (only when settings.wdir is set). Values of the store that are not
// settings stay. Error "ファイル %s を作成できません" when the store cannot be
// written; the old file then stays as it was.
Status StoreSettings(SettingsStore& store, const Settings& settings);

}  // namespace lumidex
