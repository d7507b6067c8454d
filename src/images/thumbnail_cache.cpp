#include "images/thumbnail_cache.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

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
  if (!bytes.ok() || !BeginsAsCachedThumbnail(bytes.value())) return std::nullopt;
  JpegDecodeOptions check;
  check.coverWidth = 1;
  check.coverHeight = 1;
  check.fast = true;
  check.strict = true;
  if (!DecodeJpeg(bytes.value(), check).ok()) return std::nullopt;
  return std::move(bytes.value());
}

// The first `limit` bytes of `path` (fewer when the file is shorter); empty
// when it cannot be opened.
std::string ReadHead(const std::string& path, size_t limit) {
  std::string head(limit, '\0');
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return {};
  size_t got = 0;
  while (got < limit) {
    const ssize_t n = ::pread(fd, head.data() + got, limit - got, static_cast<off_t>(got));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  head.resize(got);
  return head;
}

uint32_t Big16(std::string_view b, size_t at) {
  return (uint32_t{static_cast<uint8_t>(b[at])} << 8) | static_cast<uint8_t>(b[at + 1]);
}

// Frame headers: SOF0..SOF15 without DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameMarker(uint8_t marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
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

std::optional<std::string> ThumbnailCache::CachedBytesByHeader(std::string_view path) const {
  if (!useCache_ || fullScreen_ || !IsOpaqueType(ExtensionOf(path))) return std::nullopt;
  Result<std::string> bytes = RealFileStore().ReadAll(CacheFileName(path));
  if (!bytes.ok() || !BeginsAsCachedThumbnail(bytes.value())) return std::nullopt;
  return std::move(bytes.value());
}

std::optional<std::string> ThumbnailCache::LookupHook(ThumbnailRequest& request, int64_t fileSize) {
  request.cachePath = CacheFileName(request.path);
  if (!useCache_ || fileSize <= kSmallestCachedFile) return std::nullopt;
  if (fullScreen_ && !IsOpaqueType(ExtensionOf(request.path))) return std::nullopt;
  return ReadUsable(request.cachePath);
}

bool ThumbnailCache::StoreHook(ThumbnailRequest& request, int64_t fileSize, std::string_view jpeg) {
  const std::optional<CacheWrite> write = PlanStore(request, fileSize);
  if (!write || !WritePlanned(*write, jpeg)) return false;
  CountStored(*write, jpeg.size());
  return true;
}

std::optional<ThumbnailCache::CacheWrite> ThumbnailCache::PlanStore(ThumbnailRequest& request,
                                                                    int64_t fileSize) const {
  if (request.boxWidth < 51 || noCacheMode_ || fullScreen_ || !useCache_ ||
      fileSize <= kSmallestCachedFile) {
    return std::nullopt;
  }
  if (request.cachePath.empty()) request.cachePath = CacheFileName(request.path);
  const int64_t oldSize = SizeOf(request.cachePath);
  if (oldSize >= 0) {
    if (!request.overwrite && ReadUsable(request.cachePath)) return std::nullopt;
    const size_t slash = request.cachePath.rfind('/');
    if (slash == std::string::npos ||
        !IsProvenCacheFile(std::string_view(request.cachePath).substr(0, slash + 1),
                           std::string_view(request.cachePath).substr(slash + 1))) {
      return std::nullopt;
    }
  }
  return CacheWrite{request.cachePath, cacheDir_, oldSize};
}

bool ThumbnailCache::WritePlanned(const CacheWrite& write, std::string_view jpeg) {
  if (RealFileStore().WriteAtomic(write.path, jpeg).ok()) return true;
  // The folder may have gone since start (a removed "wdir" drive, an
  // emptied data folder): make it once and try again.
  return MakeFolders(write.folder) && RealFileStore().WriteAtomic(write.path, jpeg).ok();
}

void ThumbnailCache::CountStored(const CacheWrite& write, size_t bytes) {
  cachedBytes_ += static_cast<int64_t>(bytes) - std::max<int64_t>(write.oldSize, 0);
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
  if (name.starts_with(kTempFilePrefix)) return true;
  if (!name.ends_with(".jpg")) return false;
  const std::string_view stem = name.substr(0, name.size() - 4);
  // "<c>_": the first character of a short folder (none for a bare name).
  size_t afterFirst = 0;
  if (!stem.empty() && stem[0] != '_') NextCodePoint(stem, afterFirst);
  if (afterFirst < stem.size() && stem[afterFirst] == '_') return true;
  // "<parent>-<folder>-", each name at least one byte.
  const size_t dash = stem.find('-', 1);
  return dash != std::string_view::npos && stem.find('-', dash + 2) != std::string_view::npos;
}

bool IsCacheFolder(std::string_view folder) {
  while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
  const size_t slash = folder.rfind('/');
  return folder.substr(slash == std::string_view::npos ? 0 : slash + 1) == "jpgdat";
}

// JPEG layout: 0xFF 0xD8, then segments "0xFF marker length(2, big-endian,
// counting itself) data", fill bytes 0xFF allowed before a marker; a frame
// header's data start with the precision byte, then height and width.
bool BeginsAsCachedThumbnail(std::string_view jpeg) {
  if (jpeg.size() < 2 || static_cast<uint8_t>(jpeg[0]) != 0xFF ||
      static_cast<uint8_t>(jpeg[1]) != 0xD8) {
    return false;
  }
  size_t pos = 2;
  for (;;) {
    if (pos >= jpeg.size() || static_cast<uint8_t>(jpeg[pos]) != 0xFF) return false;
    while (pos < jpeg.size() && static_cast<uint8_t>(jpeg[pos]) == 0xFF) ++pos;
    if (pos + 3 > jpeg.size()) return false;
    const auto marker = static_cast<uint8_t>(jpeg[pos]);
    const size_t length = Big16(jpeg, pos + 1);
    // Start of scan, end of image and APP1 (Exif) never come before the
    // frame header of a cached thumbnail.
    if (marker == 0xDA || marker == 0xD9 || marker == 0xE1 || marker == 0x00 || length < 2) {
      return false;
    }
    if (IsFrameMarker(marker)) {
      if (length < 7 || pos + 1 + 7 > jpeg.size()) return false;
      const auto height = static_cast<int>(Big16(jpeg, pos + 4));
      const auto width = static_cast<int>(Big16(jpeg, pos + 6));
      return width >= 1 && height >= 1 && width <= kCachedThumbnailWidth &&
             height <= kCachedThumbnailHeight;
    }
    pos += 1 + length;
  }
}

bool IsProvenCacheFile(std::string_view folder, std::string_view name) {
  if (!IsCacheFolder(folder) || !IsCacheFileName(name)) return false;
  return BeginsAsCachedThumbnail(
      ReadHead(WithTrailingSlash(folder) + std::string(name), kThumbnailProbeBytes));
}

}  // namespace lumidex
