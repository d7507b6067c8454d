#pragma once

#include <optional>
#include <string_view>

#include "foundation/settings_store.h"
#include "foundation/status.h"

namespace lumidex {

// The key of the settings store that holds where the main window was. It
// stands apart from kSettingsKeyPath because a place on one screen means
// nothing on another: it is neither exported with the settings nor taken
// from an import.
inline constexpr std::string_view kWindowKeyPath =
    "HKEY_CURRENT_USER\\Software\\Lumidex Album\\Window";

// The main window's place and the view state that goes with it, as the
// window left them at its last exit. Stored as 32-bit values of
// kWindowKeyPath: "left", "top", "width", "height" (the window's normal,
// not maximised, geometry of its inside, in pixels), "maximized" (0 or 1),
// "splitter" (the calendar side's width) and "smallpictures" (the image
// list's size toggle, 0 or 1). Plain value type.
struct WindowPlacement {
  struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;   // 1 - 32767
    int height = 0;  // 1 - 32767
    bool operator==(const Geometry&) const = default;
  };
  std::optional<Geometry> geometry;
  bool maximized = false;
  std::optional<int> splitter;  // 1 - 32767
  std::optional<bool> smallPictures;

  bool operator==(const WindowPlacement&) const = default;
};

// What the store holds. Absent values stay absent; so do values of another
// type or outside their range (a hand-edited store), and a geometry that
// lacks one of its four values. Never fails: an unreadable store gives an
// empty placement, and the window opens at its first size.
WindowPlacement LoadWindowPlacement(const SettingsStore& store);

// Writes every present value of `placement` into kWindowKeyPath; values it
// does not hold keep what the store has. Error "ファイル %s を作成できません"
// when the store cannot be read or written (it then stays as it was).
Status StoreWindowPlacement(SettingsStore& store, const WindowPlacement& placement);

}  // namespace lumidex
