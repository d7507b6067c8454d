#include "images/thumbnail_cache.h"

#include <dirent.h>
#include <algorithm>
#include <sys/stat.h>

#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "foundation/text_codec.h"
#include "images/image_types.h"
#include "images/jpeg_codec.h"

namespace lumidex {
namespace {

// Windows-form paths of older albums: "C:\..." or "\\server\...".
bool IsWindowsForm(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || path.substr(0, 2) == "\\\\";
}

size_t LastSeparator(std::string_view path, bool windows) {
  return windows ? path.find_last_of("\\/") : path.rfind('/');
}

// The folder part of `path`, without its trailing separator except at a
// root ("/", "C:\").
std::string_view FolderPart(std::string_view path, bool windows) {
  const size_t at = LastSeparator(path, windows);
  if (at == std::string_view::npos) return {};
  const bool root = at == 0 || (windows && at == 2 && path[1] == ':');
  return path.substr(0, root ? at + 1 : at);
}

std::string_view LastName(std::string_view path, bool windows) {
  const size_t at = LastSeparator(path, windows);
  return at == std::string_view::npos ? path : path.substr(at + 1);
}

std::string FirstCharacter(std::string_view text) {
  if (text.empty()) return {};
  size_t pos = 0;
  NextCodePoint(text, pos);
  return std::string(text.substr(0, pos));
}

// Lengths count as the album's code page does: two bytes per wide character.
bool LongerThan4(std::string_view text) { return Cp932Width(text) > 4; }

std::optional<std::string> ReadUsable(const std::string& file) {
  Result<std::string> bytes = RealFileStore().ReadAll(file);
  if (!bytes.ok()) return std::nullopt;
  JpegDecodeOptions check;
  check.coverWidth = 1;
  check.coverHeight = 1;
  check.fast = true;
  check.strict = true;
  if (!DecodeJpeg(bytes.value(), check).ok()) return std::nullopt;
  return std::move(bytes.value());
}

int64_t SizeOf(const std::string& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<int64_t>(st.st_size)
                                                                : -1;
}

}  // namespace

ThumbnailCache::ThumbnailCache(std::string cacheDir, bool useCache)
    : cacheDir_(WithTrailingSlash(cacheDir)), useCache_(useCache) {}

bool ThumbnailCache::ChangeCacheFolder(const std::string& folder) {
  struct stat st {};
  if (folder.empty() || ::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  const std::string dir = WithTrailingSlash(folder) + "jpgdat/";
  if (!MakeFolders(dir)) return false;
  cacheDir_ = dir;
  Recount();
  return true;
}

std::string ThumbnailCache::CacheFileName(std::string_view path) const {
  const bool windows = IsWindowsForm(path);
  const std::string_view dir = FolderPart(path, windows);
  std::string prefix;
  if (LongerThan4(dir)) {
    const std::string_view parent = FolderPart(dir, windows);
    if (LongerThan4(parent)) {
      prefix = std::string(LastName(parent, windows)) + "-" + std::string(LastName(dir, windows)) + "-";
    } else {
      prefix = FirstCharacter(parent) + "_" + std::string(LastName(dir, windows)) + "-";
    }
  } else {
    prefix = FirstCharacter(dir) + "_";
  }
  const std::string_view name = LastName(path, windows);
  const size_t dot = name.rfind('.');
  std::string file = prefix + std::string(dot == std::string_view::npos ? name : name.substr(0, dot)) + ".jpg";
  for (char& c : file) {
    if (c == '/' || c == '\\') c = '_';
  }
  return cacheDir_ + file;
}

std::optional<std::string> ThumbnailCache::CacheLookup(std::string_view path) const {
  return ReadUsable(CacheFileName(path));
}

std::optional<std::string> ThumbnailCache::CachedBytes(std::string_view path) const {
  if (!useCache_ || fullScreen_ || !IsOpaqueType(ExtensionOf(path))) return std::nullopt;
  return CacheLookup(path);
}

std::optional<std::string> ThumbnailCache::LookupHook(ThumbnailRequest& request, int64_t fileSize) {
  request.cachePath = CacheFileName(request.path);
  if (!useCache_ || fileSize <= kSmallestCachedFile) return std::nullopt;
  if (fullScreen_ && !IsOpaqueType(ExtensionOf(request.path))) return std::nullopt;
  return ReadUsable(request.cachePath);
}

bool ThumbnailCache::StoreHook(ThumbnailRequest& request, int64_t fileSize, std::string_view jpeg) {
  if (request.boxWidth < 51 || noCacheMode_ || fullScreen_ || !useCache_ ||
      fileSize <= kSmallestCachedFile) {
    return false;
  }
  if (request.cachePath.empty()) request.cachePath = CacheFileName(request.path);
  const int64_t oldSize = SizeOf(request.cachePath);
  if (oldSize >= 0 && !request.overwrite && ReadUsable(request.cachePath)) return false;
  if (!RealFileStore().WriteAtomic(request.cachePath, jpeg).ok()) {
    // The folder may have gone since start (a removed "wdir" drive, an
    // emptied data folder): make it once and try again.
    if (!MakeFolders(cacheDir_) || !RealFileStore().WriteAtomic(request.cachePath, jpeg).ok()) {
      return false;
    }
  }
  cachedBytes_ += static_cast<int64_t>(jpeg.size()) - std::max<int64_t>(oldSize, 0);
  return true;
}

void ThumbnailCache::Recount() {
  cachedBytes_ = 0;
  DIR* dir = ::opendir(cacheDir_.c_str());
  if (dir == nullptr) return;
  while (const dirent* entry = ::readdir(dir)) {
    const int64_t size = SizeOf(cacheDir_ + entry->d_name);
    if (size > 0) cachedBytes_ += size;
  }
  ::closedir(dir);
}

bool IsCacheFileName(std::string_view name) {
  return (name.size() > 4 && name.substr(name.size() - 4) == ".jpg") ||
         name.substr(0, 14) == ".lumidex-save-";
}

bool IsCacheFolder(std::string_view folder) {
  while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
  const size_t slash = folder.rfind('/');
  return folder.substr(slash == std::string_view::npos ? 0 : slash + 1) == "jpgdat";
}

}  // namespace lumidex
