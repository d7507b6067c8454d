#pragma once

#include <string>
#include <vector>

#include "foundation/settings_store.h"

namespace lumidex {

// Importing a settings text file into the settings key.

// What an import did. `messages` are the warnings to show, in order, in
// warning boxes captioned with the application title.
struct SettingsImportResult {
  bool attempted = false;  // a file was there to import
  bool accepted = false;   // its values were written
  std::vector<std::string> messages;
};

// Imports the settings text file `fileName` into the settings key of
// `store`: its tag line must read kSettingsFileTag, and only the block of
// kSettingsKeyPath is written; blocks of other keys are skipped, so a
// foreign or hostile file cannot write anywhere else. Refused files write
// nothing. Bad digits give "バイナリデータ変換エラー" and the value 0, and the
// import goes on. A store that cannot be written adds "ファイル %s を作成でき
// ません" and leaves accepted false.
SettingsImportResult ImportSettingsFile(SettingsStore& store, const std::string& fileName);

// The pending import of the process start, before the main window is made
// (right after the single-instance lock):
//
//   SettingsStore store(SettingsFilePath(platform::SettingsFolder()));
//   for (const auto& m : ImportPendingSettings(store).messages) warn(m);
//
// When the store holds a string "opld" naming an existing file, that file is
// imported as ImportSettingsFile does, and "opld" is deleted, also when the
// file was refused (its tag or form would refuse it again at every start).
// An "opld" naming no existing file is left as it is; nothing is attempted.
SettingsImportResult ImportPendingSettings(SettingsStore& store);

}  // namespace lumidex
