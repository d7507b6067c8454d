#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "desktop/desktop_command.h"
#include "desktop/desktop_kind.h"
#include "desktop/wallpaper_style.h"

namespace lumidex {

// The command lines that set, remove and read back the wallpaper of each
// desktop. Stateless rules; nothing here runs a program.
//
//   GNOME     gsettings org.gnome.desktop.background picture-options,
//             picture-uri and picture-uri-dark (a file URI)
//   Cinnamon  gsettings org.cinnamon.desktop.background picture-options,
//             picture-uri
//   MATE      gsettings org.mate.background picture-options,
//             picture-filename (a plain path)
//   XFCE      xfconf-query channel xfce4-desktop, for every workspace
//             backdrop: last-image and image-style
//   KDE       dbus-send to org.kde.plasmashell evaluateScript with a script
//             that writes Image and FillMode of every desktop
//
// The styles map to the desktops' options as centre, tile, stretch, fit
// whole (letterbox) and fill (cut):
//   gsettings picture-options  centered wallpaper stretched scaled zoom
//   XFCE image-style           1        2         3         4      5
//   KDE FillMode               6        3         0         1      2

// "file://" + `path` with every byte outside A-Z a-z 0-9 "-._~/"
// percent-encoded (upper-case hex), as desktops expect in picture URIs.
// REQUIRES: `path` is absolute.
std::string FileUri(std::string_view path);

// The XFCE backdrops, each a property prefix such as
// "/backdrop/screen0/monitor0/workspace0", are found by listing the channel:
// the command that lists it, for XFCE only.
std::optional<std::vector<std::string>> BackdropListCommand(DesktopKind kind);

// The backdrops in the output of BackdropListCommand: the prefixes of every
// property that ends in "/last-image", in listing order without repeats.
// When there are none (a desktop that never had a picture set, or no
// listing), the first workspace of the first monitor.
std::vector<std::string> BackdropsFromListing(std::string_view listing);

// The commands that make `file` the wallpaper in `style`. `backdrops` are
// used for XFCE only. Empty for kUnknown. REQUIRES: `file` is absolute.
std::vector<DesktopCommand> SetWallpaperCommands(DesktopKind kind, std::string_view file,
                                                 WallpaperStyle style,
                                                 const std::vector<std::string>& backdrops);

// The commands that remove the wallpaper (the desktop shows its colour).
// Empty for kUnknown.
std::vector<DesktopCommand> RemoveWallpaperCommands(DesktopKind kind,
                                                    const std::vector<std::string>& backdrops);

// The command that prints the style option now set (for XFCE that of
// `backdrop`); nullopt for kUnknown.
std::optional<std::vector<std::string>> ReadStyleCommand(DesktopKind kind,
                                                         std::string_view backdrop);

// The style whose option the output of ReadStyleCommand names; kCentre when
// it names none, as for an option the album never writes.
WallpaperStyle StyleFromReply(DesktopKind kind, std::string_view reply);

}  // namespace lumidex
