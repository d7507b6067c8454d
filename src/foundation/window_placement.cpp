#include "foundation/window_placement.h"

#include <cstdint>
#include <string>

#include "foundation/registry_data.h"

namespace lumidex {
namespace {

constexpr int kLargest = 32767;

// The value `name` of `key` as an int in [min, max], or none.
std::optional<int> Number(const RegistryKey& key, std::string_view name, int min, int max) {
  const RegistryValue* value = key.Find(name);
  if (value == nullptr || value->type != RegistryValueType::kDword) return std::nullopt;
  const auto number = static_cast<int32_t>(value->number);
  if (number < min || number > max) return std::nullopt;
  return number;
}

void SetNumber(RegistryKey& key, std::string_view name, int number) {
  key.Set(RegistryValue::Dword(std::string(name), static_cast<uint32_t>(number)));
}

}  // namespace

WindowPlacement LoadWindowPlacement(const SettingsStore& store) {
  WindowPlacement placement;
  const Result<RegistryData> data = store.Read();
  if (!data.ok()) return placement;
  const RegistryKey* key = data.value().FindKey(kWindowKeyPath);
  if (key == nullptr) return placement;
  const auto left = Number(*key, "left", -kLargest - 1, kLargest);
  const auto top = Number(*key, "top", -kLargest - 1, kLargest);
  const auto width = Number(*key, "width", 1, kLargest);
  const auto height = Number(*key, "height", 1, kLargest);
  if (left && top && width && height) {
    placement.geometry = WindowPlacement::Geometry{*left, *top, *width, *height};
  }
  placement.maximized = Number(*key, "maximized", 0, 1).value_or(0) == 1;
  placement.splitter = Number(*key, "splitter", 1, kLargest);
  if (const auto small = Number(*key, "smallpictures", 0, 1)) placement.smallPictures = *small == 1;
  return placement;
}

Status StoreWindowPlacement(SettingsStore& store, const WindowPlacement& placement) {
  return store.Update([&](RegistryData& data) {
    RegistryKey& key = data.CreateKey(kWindowKeyPath);
    if (const auto& g = placement.geometry) {
      SetNumber(key, "left", g->left);
      SetNumber(key, "top", g->top);
      SetNumber(key, "width", g->width);
      SetNumber(key, "height", g->height);
    }
    SetNumber(key, "maximized", placement.maximized ? 1 : 0);
    if (placement.splitter) SetNumber(key, "splitter", *placement.splitter);
    if (placement.smallPictures) SetNumber(key, "smallpictures", *placement.smallPictures ? 1 : 0);
  });
}

}  // namespace lumidex
