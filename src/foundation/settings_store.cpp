#include "foundation/settings_store.h"

#include "foundation/album_text_check.h"
#include "foundation/data_folders.h"
#include "foundation/file_paths.h"
#include "foundation/registry_file.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// The store is always UTF-8 (a byte-order mark is allowed and dropped); like
// every settings text, it ends at its first NUL byte (Read refuses a store
// that holds one).
std::string DecodeStoreBytes(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  const size_t nul = bytes.find('\0');
  return DecodeUtf8Lossless(bytes.substr(0, nul));
}

}  // namespace

std::string SettingsFilePath(std::string_view settingsFolder) {
  return WithTrailingSlash(settingsFolder) + "settings.reg";
}

Result<RegistryData> SettingsStore::Read() const {
  // A file that is not text (a NUL byte, UTF-16) is not read at all, so that
  // the next write cannot replace it with the part before the damage.
  Result<std::string> bytes = ReadAlbumFile(files_, path_, AlbumTextKind::kPlainText);
  RegistryData data;
  if (!bytes.ok()) {
    if (bytes.status().isNotFound()) return data;
    return bytes.status();
  }
  // A damaged file gives what can be read of it; its refusal messages are of
  // no use at start, where the program must come up regardless.
  (void)ImportRegistryText(data, DecodeStoreBytes(bytes.value()), path_, {});
  return data;
}

Status SettingsStore::Update(const std::function<void(RegistryData&)>& change) {
  Result<RegistryData> data = Read();
  if (!data.ok()) return Status::Error(CannotCreateMessage(path_));
  change(data.value());
  std::vector<const RegistryKey*> keys;
  for (const auto& key : data.value().Keys()) keys.push_back(&key);
  const std::string folder = FolderOf(path_);
  if (!folder.empty()) MakeFolders(folder);
  return files_.WriteAtomic(path_, EncodeUtf8Raw(RegistryText(keys, "")), 0600);
}

Status SettingsStore::SetValue(RegistryValue value) {
  return Update(
      [&](RegistryData& data) { data.CreateKey(kSettingsKeyPath).Set(std::move(value)); });
}

Status SettingsStore::DeleteValue(std::string_view name) {
  return Update([&](RegistryData& data) {
    if (RegistryKey* key = data.FindKey(kSettingsKeyPath)) key->Delete(name);
  });
}

Status SettingsStore::Export(const std::string& fileName) const {
  Result<RegistryData> data = Read();
  if (!data.ok()) return data.status();
  return TRegistryFile(data.value(), files_)
      .ExportKey(fileName, kSettingsKeyPath, kSettingsFileTag);
}

}  // namespace lumidex
