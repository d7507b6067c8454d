#include "desktop/wallpaper_folder.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "images/jpeg_codec.h"
#include "images/picture_loader.h"
#include "images/scaling.h"
#include "images/shell_images.h"

namespace lumidex {
namespace {

std::string_view FileNameOf(std::string_view path) {
  const size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

bool IsPlainName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

std::string CannotUseMessage(std::string_view picture) {
  return "背景にできない画像です: " + std::string(picture);
}

// The picture as the album decodes it, else the desktop's thumbnail of it
// at the screen size.
Result<Bitmap> DecodeForWallpaper(const std::string& picture, const ShellImages& shell,
                                  int screenWidth, int screenHeight) {
  Result<Bitmap> decoded = LoadPicture(picture);
  if (decoded.ok() && !decoded.value().empty()) return decoded;
  if (std::optional<Bitmap> thumbnail = shell.ShellThumbnail(picture, screenWidth, screenHeight);
      thumbnail && !thumbnail->empty()) {
    return std::move(*thumbnail);
  }
  return Status::Error(CannotUseMessage(picture));
}

// `bitmap` shrunk, keeping its aspect, until it fits the screen.
Bitmap FittedToScreen(Bitmap bitmap, int screenWidth, int screenHeight) {
  const int64_t w = bitmap.width();
  const int64_t h = bitmap.height();
  if (w <= screenWidth && h <= screenHeight) return bitmap;
  int64_t width = screenWidth;
  int64_t height = h * screenWidth / w;
  if (height > screenHeight) {
    height = screenHeight;
    width = w * screenHeight / h;
  }
  return ScaleAreaAverage(bitmap, static_cast<int>(std::max<int64_t>(width, 1)),
                          static_cast<int>(std::max<int64_t>(height, 1)));
}

Result<std::string> CopyBytes(const std::string& picture, const ShellImages& shell, int screenWidth,
                              int screenHeight) {
  if (ExtensionOf(picture) == ".jpg") {
    Result<std::string> bytes = ReadPictureFile(picture);
    if (!bytes.ok()) return Status::Error(CannotUseMessage(picture));
    // A JPEG the desktop can show as it is; decoding at 1/8 proves it is one.
    JpegDecodeOptions check;
    check.coverWidth = 1;
    check.coverHeight = 1;
    check.fast = true;
    if (!DecodeJpeg(bytes.value(), check).ok()) return Status::Error(CannotUseMessage(picture));
    return std::move(bytes).value();
  }
  Result<Bitmap> decoded = DecodeForWallpaper(picture, shell, screenWidth, screenHeight);
  if (!decoded.ok()) return decoded.status();
  Bitmap fitted = FittedToScreen(std::move(decoded).value(), screenWidth, screenHeight);
  Result<std::string> jpeg = EncodeJpeg(fitted, 90);
  if (!jpeg.ok()) return Status::Error(CannotUseMessage(picture));
  return jpeg;
}

}  // namespace

std::string WallpaperFolder(const DataFolders& folders) { return folders.userDir + "SCR/"; }

std::string WallpaperCopyPath(std::string_view folder, std::string_view picture) {
  std::string name(FileNameOf(picture));
  const std::string extension = ExtensionOf(name);
  name.resize(name.size() - extension.size());
  return WithTrailingSlash(folder) + name + ".jpg";
}

std::vector<std::string> ListWallpaperFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code typeError;
    if (!entry.is_regular_file(typeError)) continue;
    std::string name = entry.path().filename().string();
    if (name.starts_with(kTempFilePrefix)) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

Status DeleteWallpaperFiles(const std::string& folder, const std::vector<std::string>& names) {
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    if (!IsPlainName(*name)) continue;
    const std::string path = WithTrailingSlash(folder) + *name;
    if (unlink(path.c_str()) != 0 && errno != ENOENT) {
      return Status::Error("ファイル " + path + " を削除できません");
    }
  }
  return Status::Ok();
}

Result<std::string> WriteWallpaperCopy(const std::string& picture, const std::string& folder,
                                       const ShellImages& shell, int screenWidth,
                                       int screenHeight) {
  Result<std::string> bytes = CopyBytes(picture, shell, screenWidth, screenHeight);
  if (!bytes.ok()) return bytes.status();
  MakeFolders(folder);
  const std::string target = WallpaperCopyPath(folder, picture);
  if (const Status written = RealFileStore().WriteAtomic(target, bytes.value()); !written.ok()) {
    return written;
  }
  return target;
}

}  // namespace lumidex
