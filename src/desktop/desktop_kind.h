#pragma once

#include <string_view>

namespace lumidex {

// The desktops whose wallpaper the album knows how to set. GNOME, Cinnamon
// and MATE keep it in gsettings (each under its own schema), XFCE in the
// xfconf channel "xfce4-desktop", KDE Plasma in the shell's configuration,
// reached through a script the shell evaluates.
enum class DesktopKind { kUnknown, kGnome, kCinnamon, kMate, kXfce, kKde };

// The desktop named by a value of XDG_CURRENT_DESKTOP: a colon-separated
// list ("ubuntu:GNOME", "X-Cinnamon", "KDE"), compared without regard to
// letter case; the first entry that names a known desktop decides.
// kUnknown for an empty value or one that names none.
DesktopKind DesktopFromXdg(std::string_view xdgCurrentDesktop);

}  // namespace lumidex
