#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "images/thumbnail_request.h"

namespace lumidex {

// Files of this size or less are never looked up in or written to the cache:
// decoding them is cheaper than the cache.
inline constexpr int64_t kSmallestCachedFile = 10000;

// The thumbnail disk cache: one flat folder of JPEG files named after the
// registered files (CacheFileName), with no index and no validity stamp; a
// cache file is trusted while it exists and decodes. Files are written
// atomically (temporary file, then rename), so a crash never leaves a
// half-written thumbnail under a cache name.
//
// Keeps a byte count of the files directly in the folder, recounted on
// request and advanced by every store by the bytes written minus the bytes
// replaced.
//
// Not thread-safe: one owner (the window's main thread, or one command)
// touches the cache files and the counter.
class ThumbnailCache {
 public:
  // `cacheDir` is the cache folder, with or without a trailing "/".
  // `useCache` is the "hdd" setting.
  ThumbnailCache(std::string cacheDir, bool useCache);
  ThumbnailCache(const ThumbnailCache&) = delete;
  ThumbnailCache& operator=(const ThumbnailCache&) = delete;

  const std::string& cacheDir() const { return cacheDir_; }
  // Moves the cache to the folder "jpgdat" inside `folder` (created with its
  // parents when missing) and recounts; existing cache files are not moved.
  // False, with nothing changed, when `folder` is not an existing folder or
  // "jpgdat" cannot be created. The caller keeps cacheDir() as "wdir".
  bool ChangeCacheFolder(const std::string& folder);
  bool useCache() const { return useCache_; }
  void setUseCache(bool value) { useCache_ = value; }
  // While set (the list shows a plain folder, the free layout re-makes its
  // pictures) nothing is written.
  void setNoCacheMode(bool value) { noCacheMode_ = value; }
  // While set (a full-screen slide show) nothing is written and only
  // thumbnails of opaque types are read.
  void setFullScreen(bool value) { fullScreen_ = value; }

  // The cache file of a registered file: cacheDir + a prefix made of the
  // last two folder names (or a drive letter and one name) + the file name
  // with its extension replaced by ".jpg". Paths of Windows form (drive
  // letter or "\\") from older albums split at "\" as well; a "/" or "\"
  // that would end up inside the name becomes "_", so every cache file lies
  // directly in the cache folder.
  std::string CacheFileName(std::string_view path) const;

  // The stored thumbnail of `path` when its cache file exists, begins as a
  // cached thumbnail (BeginsAsCachedThumbnail) and decodes as a complete
  // JPEG; nullopt otherwise (a damaged file is ignored, and the next store
  // replaces it if it is a proven cache file).
  std::optional<std::string> CacheLookup(std::string_view path) const;

  // The raw cache file of `path` for direct use as a list thumbnail: only
  // with the cache in use, outside full-screen mode, and for opaque types;
  // nullopt otherwise or when the file is missing or damaged.
  std::optional<std::string> CachedBytes(std::string_view path) const;
  // As CachedBytes, with the file checked by its headers only
  // (BeginsAsCachedThumbnail), not decoded: for the list, which decodes the
  // bytes anyway and makes the thumbnail afresh when they do not decode.
  std::optional<std::string> CachedBytesByHeader(std::string_view path) const;

  // Before decoding (REQUIRES: request.cachePath empty): sets cachePath and
  // returns the stored thumbnail when the cache is in use, the file is
  // larger than kSmallestCachedFile, full-screen mode allows its type, and
  // CacheLookup finds it.
  std::optional<std::string> LookupHook(ThumbnailRequest& request, int64_t fileSize);

  // After decoding: stores `jpeg` when the box is at least 51 wide, neither
  // no-cache nor full-screen mode is set, the cache is in use and the file
  // is larger than kSmallestCachedFile. An existing usable file is kept
  // unless request.overwrite; an existing file that is not a proven cache
  // file (IsProvenCacheFile) is never replaced, so a "wdir" that names a
  // folder of photos cannot lose one. Fills request.cachePath when empty. A
  // missing cache folder is created. A failed write is dropped silently:
  // the cache is only an accelerator. True when the file was written.
  bool StoreHook(ThumbnailRequest& request, int64_t fileSize, std::string_view jpeg);

  // StoreHook in three steps, so that the write, which waits for the disk,
  // can run off the main thread: PlanStore decides on the owner's thread
  // (nullopt: nothing to write), WritePlanned writes on any thread (it
  // touches only the plan's files), CountStored advances the counter on the
  // owner's thread after a successful write.
  struct CacheWrite {
    std::string path;      // the cache file
    std::string folder;    // the cache folder, made when it has gone
    int64_t oldSize = -1;  // the size of the file it replaces; -1 for none
  };
  std::optional<CacheWrite> PlanStore(ThumbnailRequest& request, int64_t fileSize) const;
  static bool WritePlanned(const CacheWrite& write, std::string_view jpeg);
  void CountStored(const CacheWrite& write, size_t bytes);

  // The byte count of the files directly in the folder as last counted and
  // advanced since.
  int64_t cachedBytes() const { return cachedBytes_; }
  // Counts the files directly in the folder again.
  void Recount();

 private:
  std::string cacheDir_;
  bool useCache_;
  bool noCacheMode_ = false;
  bool fullScreen_ = false;
  int64_t cachedBytes_ = 0;
};

// The largest thumbnail the cache stores (the list box).
inline constexpr int kCachedThumbnailWidth = 170;
inline constexpr int kCachedThumbnailHeight = 128;
// How much of a file the cache commands read to tell a cached thumbnail from
// any other picture: its headers lie within the first few hundred bytes.
inline constexpr size_t kThumbnailProbeBytes = 4096;

// True when `name` is a file name CacheFileName can give: "<c>_<rest>.jpg"
// (<c> one character or none: a short folder, or the first character of a
// short parent) or "<parent>-<folder>-<rest>.jpg" (both names non-empty);
// or a temporary file of an interrupted atomic write. Camera names such as
// "IMG_0001.jpg" or "DSC_0001.JPG" are not cache names.
bool IsCacheFileName(std::string_view name);

// True when `folder` is a cache folder: its last name is "jpgdat".
bool IsCacheFolder(std::string_view folder);

// True when `jpeg` begins like a thumbnail the cache writes: the start of
// image, then segments up to a frame header of at most 170 x 128 pixels,
// all inside `jpeg`, and no APP1 segment on the way (the cache's encoder
// never writes Exif; cameras always do). Only the headers are looked at.
bool BeginsAsCachedThumbnail(std::string_view jpeg);

// True when a cache command may delete or replace the file `name` in
// `folder`: the folder is a cache folder, the name a cache file name
// (IsCacheFileName), and the file's first kThumbnailProbeBytes begin as a
// cached thumbnail. Only those bytes are read. A user's picture that lies in
// the folder under a cache-like name fails the last test and is never
// touched.
bool IsProvenCacheFile(std::string_view folder, std::string_view name);

}  // namespace lumidex
