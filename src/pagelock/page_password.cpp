#include "pagelock/page_password.h"

#include "foundation/registry_data.h"
#include "platform/text_lock.h"

namespace lumidex {

std::string Scramble(std::string_view text, bool lock) {
  return lock ? platform::TextLock(text, kPasswordScrambleKey)
              : platform::TextUnLock(text, kPasswordScrambleKey);
}

PagePassword::PagePassword(SettingsStore& store, std::string_view storedForm)
    : store_(store), text_(Scramble(storedForm, false)) {}

Result<std::string> PagePassword::ReadStoredForm(const SettingsStore& store) {
  Result<RegistryData> data = store.Read();
  if (!data.ok()) return data.status();
  const RegistryKey* key = data.value().FindKey(kSettingsKeyPath);
  const RegistryValue* value = key ? key->Find(kPasswordValueName) : nullptr;
  if (value == nullptr || value->type != RegistryValueType::kString) return std::string();
  return value->data;
}

Status PagePassword::Register(std::string text) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  if (text.empty() || blank(text.front()) || blank(text.back())) {
    return Status::Error(std::string(kPasswordSpacesMessage));
  }
  const Status written =
      store_.SetValue(RegistryValue::String(std::string(kPasswordValueName), Scramble(text, true)));
  if (written.ok()) text_ = std::move(text);
  return written;
}

}  // namespace lumidex
