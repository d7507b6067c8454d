#include "desktop/desktop_kind.h"

#include <array>
#include <utility>

#include "foundation/text_compare.h"

namespace lumidex {
namespace {

// Entry names as desktops put them into XDG_CURRENT_DESKTOP. Unity and
// Budgie draw the GNOME background settings.
constexpr std::array<std::pair<std::string_view, DesktopKind>, 9> kNames = {{
    {"GNOME", DesktopKind::kGnome},
    {"Unity", DesktopKind::kGnome},
    {"Budgie", DesktopKind::kGnome},
    {"Cinnamon", DesktopKind::kCinnamon},
    {"X-Cinnamon", DesktopKind::kCinnamon},
    {"MATE", DesktopKind::kMate},
    {"XFCE", DesktopKind::kXfce},
    {"KDE", DesktopKind::kKde},
    {"Plasma", DesktopKind::kKde},
}};

DesktopKind KindOfEntry(std::string_view entry) {
  for (const auto& [name, kind] : kNames) {
    if (EqualsNoCase(entry, name)) return kind;
  }
  return DesktopKind::kUnknown;
}

}  // namespace

DesktopKind DesktopFromXdg(std::string_view xdgCurrentDesktop) {
  while (!xdgCurrentDesktop.empty()) {
    const size_t colon = xdgCurrentDesktop.find(':');
    const std::string_view entry = xdgCurrentDesktop.substr(0, colon);
    if (const DesktopKind kind = KindOfEntry(entry); kind != DesktopKind::kUnknown) return kind;
    if (colon == std::string_view::npos) break;
    xdgCurrentDesktop.remove_prefix(colon + 1);
  }
  return DesktopKind::kUnknown;
}

}  // namespace lumidex
