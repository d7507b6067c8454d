#pragma once

#include <string>
#include <vector>

#include "desktop/desktop_command.h"
#include "desktop/desktop_kind.h"
#include "desktop/wallpaper_style.h"
#include "foundation/status.h"

namespace lumidex {

class ShellImages;

// The screen a converted picture is fitted to.
struct ScreenSize {
  int width = 1920;
  int height = 1080;
};

// Sets and removes the desktop wallpaper of one desktop through its own
// setting, keeping the converted copies in the wallpaper folder. Every
// change runs through `runner`, so tests and dry runs see the commands
// without touching the desktop. Not thread-safe; the runner and shell must
// outlive the object.
class DesktopWallpaper {
 public:
  // `xdgCurrentDesktop` is the value of XDG_CURRENT_DESKTOP, kept for the
  // message on a desktop the album does not know; `folder` the wallpaper
  // folder (WallpaperFolder).
  DesktopWallpaper(std::string xdgCurrentDesktop, std::string folder, CommandRunner& runner,
                   const ShellImages& shell, ScreenSize screen = {});

  DesktopKind desktop() const { return desktop_; }
  const std::string& folder() const { return folder_; }

  // Ok when the desktop is known; else Error naming XDG_CURRENT_DESKTOP.
  Status CheckDesktop() const;

  // What Set checks before changing anything: the desktop is known, `style`
  // is one of the styles, and `picture` names an existing file (Error
  // "ファイルがありません: <picture>" otherwise; an empty picture is not
  // accepted either: Remove is the way to remove the wallpaper).
  Status CheckPicture(const std::string& picture, int style) const;

  // Writes the copy of `picture` into the folder (WriteWallpaperCopy) and
  // makes that copy the wallpaper in `style`. When a check fails or the
  // picture cannot be converted, nothing is written and nothing is run; a
  // failing command is reported with its error output, after the commands
  // before it ran. On success returns the copy's path.
  Result<std::string> Set(const std::string& picture, int style);

  // Runs the commands that make `copy` (a file already in the folder) the
  // wallpaper in `style`; the XFCE backdrops are listed first. No file is
  // checked or written: a dry run calls this with a recording runner.
  Status Apply(const std::string& copy, int style);

  // Removes the wallpaper: the desktop shows its plain colour. Nothing runs
  // on an unknown desktop (Error as CheckDesktop).
  Status Remove();

  // The style the desktop uses now, read back from its setting; kCentre when
  // it cannot be read or names a placement the album does not write.
  WallpaperStyle CurrentStyle();

 private:
  std::vector<std::string> Backdrops();
  Status RunAll(const std::vector<DesktopCommand>& commands);

  const std::string xdgCurrentDesktop_;
  const DesktopKind desktop_;
  const std::string folder_;
  CommandRunner& runner_;
  const ShellImages& shell_;
  const ScreenSize screen_;
};

}  // namespace lumidex
