#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "foundation/file_store.h"
#include "foundation/registry_data.h"
#include "foundation/status.h"

namespace lumidex {

// The key that holds every setting of the program.
inline constexpr std::string_view kSettingsKeyPath =
    "HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム";
// The tag line of the settings text files this program writes and accepts.
inline constexpr std::string_view kSettingsFileTag = "Lumidex";

// The settings file in `settingsFolder` (platform::SettingsFolder()):
// folder + "/settings.reg".
std::string SettingsFilePath(std::string_view settingsFolder);

// The settings file "settings.reg", the stand-in for the registry: the
// layout of the settings text file (registry_file.h), UTF-8 without
// byte-order mark, one block per key (normally only kSettingsKeyPath).
// Values keep their type, their name's letter case and their order.
//
// Every write re-reads the file and changes only what the caller changes,
// so values written by others during the run ("updatepath", "dataver",
// "listlck", "opld") and values this program does not know survive. Writes
// are atomic, with mode 0600; the folder is created when missing.
// Holds no data between calls. Not thread-safe (main thread only).
class SettingsStore {
 public:
  explicit SettingsStore(std::string path, FileStore& files = RealFileStore())
      : path_(std::move(path)), files_(files) {}
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  const std::string& path() const { return path_; }
  FileStore& files() const { return files_; }

  // Everything the file holds now. A missing file, or one that is not a
  // settings file at all, gives no keys. Error "ファイル %s は開けません" when
  // the file exists but cannot be read.
  Result<RegistryData> Read() const;

  // Reads the file, lets `change` alter what it holds, and writes it back.
  // Error "ファイル %s を作成できません" when the file cannot be read (nothing
  // is written then, so an unreadable file is never replaced) or written (the
  // old file stays).
  Status Update(const std::function<void(RegistryData&)>& change);

  // One value of the settings key, written at once (created with the key
  // when missing): the page lock writes "listlck" this way when the password
  // changes, the album import "opld". Same errors as Update.
  Status SetValue(RegistryValue value);
  // Removes one value of the settings key; no error when it is absent.
  Status DeleteValue(std::string_view name);

  // Writes the settings key to the settings text file `fileName` with the
  // tag line kSettingsFileTag (cp932 when it round-trips). Errors: those of
  // Read, then TRegistryFile::ExportKey's ("OpenKey Error" when the store
  // has no settings yet). On every error `fileName` is left as it was.
  Status Export(const std::string& fileName) const;

 private:
  const std::string path_;
  FileStore& files_;
};

}  // namespace lumidex
