#include "foundation/pending_settings_import.h"

#include "foundation/registry_file.h"

namespace lumidex {
namespace {

constexpr std::string_view kPendingImportValue = "opld";

RegistryImportOptions SettingsImportOptions() {
  RegistryImportOptions options;
  options.expectedTag = std::string(kSettingsFileTag);
  options.onlyKey = std::string(kSettingsKeyPath);
  return options;
}

// Imports `fileName` into the store, deleting "opld" in the same write when
// `clearPending`. Refused files write nothing but the deletion.
SettingsImportResult Import(SettingsStore& store, const std::string& fileName, bool clearPending) {
  SettingsImportResult result;
  result.attempted = true;
  const Status written = store.Update([&](RegistryData& data) {
    RegistryData imported = data;
    const RegistryImportResult r =
        TRegistryFile(imported, store.files()).ImportFile(fileName, SettingsImportOptions());
    result.accepted = r.accepted;
    result.messages = r.messages;
    if (r.accepted) data = std::move(imported);
    if (clearPending) {
      if (RegistryKey* key = data.FindKey(kSettingsKeyPath)) key->Delete(kPendingImportValue);
    }
  });
  if (!written.ok()) {
    result.accepted = false;
    result.messages.push_back(written.message());
  }
  return result;
}

}  // namespace

SettingsImportResult ImportSettingsFile(SettingsStore& store, const std::string& fileName) {
  return Import(store, fileName, false);
}

SettingsImportResult ImportPendingSettings(SettingsStore& store) {
  Result<RegistryData> data = store.Read();
  if (!data.ok()) return {false, false, {data.status().message()}};
  const RegistryKey* key = data.value().FindKey(kSettingsKeyPath);
  const RegistryValue* pending = key != nullptr ? key->Find(kPendingImportValue) : nullptr;
  if (pending == nullptr || pending->type != RegistryValueType::kString || pending->data.empty()) {
    return {};
  }
  const std::string fileName = pending->data;
  if (store.files().ReadAll(fileName).status().isNotFound()) return {};
  return Import(store, fileName, true);
}

}  // namespace lumidex
