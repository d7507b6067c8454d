// fuzz-libs: lumidex_foundation
// Any bytes given as a settings text file import without crashing or
// hanging; an import restricted to the settings key writes no other key; and
// what was imported exports, imports and exports again to the same text and
// the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/registry_file.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"

namespace {

constexpr const char* kKey = "HKEY_CURRENT_USER\\Software\\Ｔｓｕｂａｍｅ\\ルミデクスアルバム";

std::string AllKeysText(const lumidex::RegistryData& data) {
  std::vector<const lumidex::RegistryKey*> keys;
  for (const auto& key : data.Keys()) keys.push_back(&key);
  return lumidex::RegistryText(keys, "Lumidex");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  using namespace lumidex;
  const std::string text =
      DecodeRegistryFileBytes(std::string_view(reinterpret_cast<const char*>(bytes), size));

  RegistryData restricted;
  RegistryImportOptions onlySettings;
  onlySettings.onlyKey = kKey;
  (void)ImportRegistryText(restricted, text, "fuzz.opl", onlySettings);
  for (const auto& key : restricted.Keys()) {
    if (!EqualsNoCase(key.path, kKey)) std::abort();
  }

  RegistryData data;
  (void)ImportRegistryText(data, text, "fuzz.opl", {});
  for (const auto& key : data.Keys()) {
    for (const auto& value : key.values) {
      if (value.type == RegistryValueType::kBinary && value.data.size() > kMaxBinaryBytes) std::abort();
    }
  }
  // A text of no keys has no "[" and is, rightly, no settings file.
  if (data.Keys().empty()) return 0;
  const std::string first = AllKeysText(data);
  RegistryData again;
  RegistryImportOptions tagged;
  tagged.expectedTag = "Lumidex";
  if (!ImportRegistryText(again, DecodeRegistryFileBytes(EncodeAlbumFile(first)), "fuzz.opl", tagged)
           .accepted) {
    std::abort();
  }
  if (AllKeysText(again) != first) std::abort();
  return 0;
}
