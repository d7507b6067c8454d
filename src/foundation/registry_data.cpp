#include "foundation/registry_data.h"

#include <algorithm>

#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// Path components of a normalised key path.
std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t slash = path.find('\\', start);
    const size_t end = slash == std::string_view::npos ? path.size() : slash;
    parts.push_back(FoldAscii(path.substr(start, end - start)));
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  return parts;
}

}  // namespace

RegistryValue RegistryValue::String(std::string name, std::string text) {
  return {std::move(name), RegistryValueType::kString, std::move(text), 0};
}

RegistryValue RegistryValue::Dword(std::string name, uint32_t number) {
  return {std::move(name), RegistryValueType::kDword, "", number};
}

RegistryValue RegistryValue::Binary(std::string name, std::string bytes) {
  return {std::move(name), RegistryValueType::kBinary, std::move(bytes), 0};
}

const RegistryValue* RegistryKey::Find(std::string_view name) const {
  for (const auto& value : values) {
    if (EqualsNoCase(value.name, name)) return &value;
  }
  return nullptr;
}

void RegistryKey::Set(RegistryValue value) {
  for (auto& old : values) {
    if (EqualsNoCase(old.name, value.name)) {
      value.name = old.name;
      old = std::move(value);
      return;
    }
  }
  values.push_back(std::move(value));
}

bool RegistryKey::Delete(std::string_view name) {
  const auto it = std::find_if(values.begin(), values.end(),
                               [&](const RegistryValue& v) { return EqualsNoCase(v.name, name); });
  if (it == values.end()) return false;
  values.erase(it);
  return true;
}

std::string NormaliseKeyPath(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  return std::string(path);
}

RegistryKey* RegistryData::FindKey(std::string_view path) {
  const auto it = index_.find(FoldAscii(NormaliseKeyPath(path)));
  return it == index_.end() ? nullptr : &keys_[it->second];
}

const RegistryKey* RegistryData::FindKey(std::string_view path) const {
  return const_cast<RegistryData*>(this)->FindKey(path);
}

RegistryKey& RegistryData::CreateKey(std::string_view path) {
  if (RegistryKey* key = FindKey(path)) return *key;
  keys_.push_back(RegistryKey{NormaliseKeyPath(path), {}});
  index_.emplace(FoldAscii(keys_.back().path), keys_.size() - 1);
  return keys_.back();
}

std::vector<const RegistryKey*> RegistryData::KeyAndSubkeys(std::string_view path) const {
  const RegistryKey* top = FindKey(path);
  if (top == nullptr) return {};
  const std::string prefix = FoldAscii(top->path) + "\\";
  std::vector<std::pair<std::vector<std::string>, const RegistryKey*>> below;
  for (const auto& key : keys_) {
    if (FoldAscii(key.path).starts_with(prefix)) below.emplace_back(Components(key.path), &key);
  }
  // Comparing component lists puts every key right after its parent and
  // before its parent's next sibling: depth first, siblings in name order.
  std::stable_sort(below.begin(), below.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const RegistryKey*> result{top};
  for (const auto& entry : below) result.push_back(entry.second);
  return result;
}

}  // namespace lumidex
