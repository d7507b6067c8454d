#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumidex {

// The typed values of a registry key as this program keeps them on a
// platform without a registry: strings (UTF-8 text), 32-bit integers and
// binary data.
enum class RegistryValueType { kString, kDword, kBinary };

// One named value. The name "" is the key's unnamed (default) value.
// Plain value type.
struct RegistryValue {
  std::string name;
  RegistryValueType type = RegistryValueType::kString;
  std::string data;      // kString: the text; kBinary: the raw bytes
  uint32_t number = 0;   // kDword

  static RegistryValue String(std::string name, std::string text);
  static RegistryValue Dword(std::string name, uint32_t number);
  static RegistryValue Binary(std::string name, std::string bytes);

  bool operator==(const RegistryValue&) const = default;
};

// One key: its full path "ROOT\path\below\root" (no leading or trailing
// backslash) and its values in the order they were first written. Value
// names compare without regard to ASCII letter case and keep the letter case
// they were first written with.
struct RegistryKey {
  std::string path;
  std::vector<RegistryValue> values;

  // The value named `name`, or nullptr.
  const RegistryValue* Find(std::string_view name) const;
  // Replaces the value of that name in place (keeping the stored name's
  // letter case) or appends it.
  void Set(RegistryValue value);
  // Removes the value; false when there was none.
  bool Delete(std::string_view name);

  bool operator==(const RegistryKey&) const = default;
};

// The keys of a registry, in the order they were created. Key paths compare
// without regard to ASCII letter case. Not thread-safe.
class RegistryData {
 public:
  // The key of `path`, or nullptr. `path` is normalised first.
  RegistryKey* FindKey(std::string_view path);
  const RegistryKey* FindKey(std::string_view path) const;
  // The key of `path`, created at the end when missing.
  RegistryKey& CreateKey(std::string_view path);

  // `path` and every key below it, depth first, each level in name order
  // (as a registry lists subkeys). Empty when `path` does not exist.
  std::vector<const RegistryKey*> KeyAndSubkeys(std::string_view path) const;

  const std::vector<RegistryKey>& Keys() const { return keys_; }
  bool operator==(const RegistryData& other) const { return keys_ == other.keys_; }

 private:
  std::vector<RegistryKey> keys_;
  // Folded path -> index into keys_, so a file of many keys loads in
  // linear time.
  std::unordered_map<std::string, size_t> index_;
};

// `path` without leading and trailing backslashes.
std::string NormaliseKeyPath(std::string_view path);

}  // namespace lumidex
