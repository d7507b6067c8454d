#include "cli/managed_types_setting.h"

#include "foundation/ini_line.h"
#include "foundation/settings_store.h"
#include "platform/environment.h"

namespace lumidex::cli {

std::vector<std::string> ManagedTypesSetting() {
  SettingsStore settings(SettingsFilePath(platform::SettingsFolder()));
  Result<RegistryData> data = settings.Read();
  if (!data.ok()) return {};
  const RegistryKey* key = data.value().FindKey(kSettingsKeyPath);
  const RegistryValue* value = key == nullptr ? nullptr : key->Find("extlist");
  if (value == nullptr || value->type != RegistryValueType::kString) return {};
  return SplitLines(value->data);
}

}  // namespace lumidex::cli
