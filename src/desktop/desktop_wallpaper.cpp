#include "desktop/desktop_wallpaper.h"

#include "desktop/wallpaper_commands.h"
#include "desktop/wallpaper_folder.h"
#include "foundation/file_paths.h"

namespace lumidex {

DesktopWallpaper::DesktopWallpaper(std::string xdgCurrentDesktop, std::string folder,
                                   CommandRunner& runner, const ShellImages& shell,
                                   ScreenSize screen)
    : xdgCurrentDesktop_(std::move(xdgCurrentDesktop)),
      desktop_(DesktopFromXdg(xdgCurrentDesktop_)),
      folder_(WithTrailingSlash(folder)),
      runner_(runner),
      shell_(shell),
      screen_(screen) {}

Status DesktopWallpaper::CheckDesktop() const {
  if (desktop_ != DesktopKind::kUnknown) return Status::Ok();
  const std::string named =
      xdgCurrentDesktop_.empty() ? std::string("（未設定）") : xdgCurrentDesktop_;
  return Status::Error(
      "このデスクトップでは背景を設定できません（XDG_CURRENT_DESKTOP: " + named +
      "）。対応しているのは GNOME、Cinnamon、MATE、XFCE、KDE です。背景は変更していません。");
}

Status DesktopWallpaper::CheckPicture(const std::string& picture, int style) const {
  if (Status known = CheckDesktop(); !known.ok()) return known;
  if (!IsWallpaperStyle(style)) {
    return Status::Error("画像の位置の番号は 0 から 4 です: " + std::to_string(style));
  }
  if (picture.empty() || !FileExists(picture)) {
    return Status::NotFound("ファイルがありません: " + picture + "\n背景は変更していません。");
  }
  return Status::Ok();
}

Result<std::string> DesktopWallpaper::Set(const std::string& picture, int style) {
  if (Status checked = CheckPicture(picture, style); !checked.ok()) return checked;
  Result<std::string> copy =
      WriteWallpaperCopy(picture, folder_, shell_, screen_.width, screen_.height);
  if (!copy.ok()) return copy.status();
  if (Status applied = Apply(copy.value(), style); !applied.ok()) return applied;
  return copy;
}

Status DesktopWallpaper::Apply(const std::string& copy, int style) {
  if (Status known = CheckDesktop(); !known.ok()) return known;
  if (!IsWallpaperStyle(style)) return Status::Error("画像の位置の番号は 0 から 4 です");
  return RunAll(
      SetWallpaperCommands(desktop_, copy, static_cast<WallpaperStyle>(style), Backdrops()));
}

Status DesktopWallpaper::Remove() {
  if (Status known = CheckDesktop(); !known.ok()) return known;
  return RunAll(RemoveWallpaperCommands(desktop_, Backdrops()));
}

WallpaperStyle DesktopWallpaper::CurrentStyle() {
  if (desktop_ == DesktopKind::kUnknown) return WallpaperStyle::kCentre;
  const auto command = ReadStyleCommand(desktop_, Backdrops().front());
  if (!command) return WallpaperStyle::kCentre;
  Result<std::string> reply = runner_.Run(*command);
  if (!reply.ok()) return WallpaperStyle::kCentre;
  return StyleFromReply(desktop_, reply.value());
}

std::vector<std::string> DesktopWallpaper::Backdrops() {
  const auto list = BackdropListCommand(desktop_);
  if (!list) return BackdropsFromListing("");
  Result<std::string> listing = runner_.Run(*list);
  return BackdropsFromListing(listing.ok() ? listing.value() : std::string());
}

Status DesktopWallpaper::RunAll(const std::vector<DesktopCommand>& commands) {
  for (const DesktopCommand& command : commands) {
    Result<std::string> ran = runner_.Run(command.argv);
    if (!ran.ok() && !command.mayFail) {
      return Status::Error("デスクトップの背景を変更できません。\n" + ran.status().message());
    }
  }
  return Status::Ok();
}

}  // namespace lumidex
