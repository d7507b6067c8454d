#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "images/thumbnail_request.h"

namespace lumidex {

class ThumbnailCache;

// How a long cache command reports and is stopped. Both may be empty.
struct CacheProgress {
  // After each item: items done, items in all, the item (a path or name).
  std::function<void(size_t done, size_t total, const std::string& item)> step;
  // Asked before each item; true stops the command.
  std::function<bool()> abortRequested;
};

struct FillResult {
  size_t lines = 0;  // lines of all year and sub-album documents
  size_t made = 0;   // thumbnails written
  bool aborted = false;
};

// Makes the missing cache files of every picture of the album: the entry
// lines of every year document "<yyyy>.ini" and sub-album document
// "<yyyy>S.ini" in `photoDir` (section heads, "@" references and empty
// lines skipped; the path is the text before the first "="). Only picture
// types (ImageTypes) are cached. Thumbnails are made high-quality over white
// at 170 x 128, decoded on `jobs` threads (0: one per core); the cache files
// are written on the calling thread. Recounts the cache afterwards.
// REQUIRES: context.shell thread-safe when jobs != 1.
FillResult FillCache(const std::string& photoDir, ThumbnailCache& cache,
                     const ImageContext& context, const CacheProgress& progress, size_t jobs = 0);

struct CleanResult {
  size_t names = 0;    // cache files looked at
  size_t deleted = 0;  // files really deleted
  bool aborted = false;
};

// Deletes the older twins among the cache files: names (longer than eight
// characters) that agree from the ninth character on are one group, and of
// each group only the one whose first eight characters are greatest
// byte-wise stays. One pass over the folder. Recounts the cache.
CleanResult CleanCache(ThumbnailCache& cache, const CacheProgress& progress);

// The message after cleaning, "<names>個中、<deleted>個のファイルを削除しました。",
// or "" when nothing was deleted.
std::string CleanMessage(const CleanResult& result);

// Deletes every cache file (a name IsCacheFileName accepts) directly in the
// cache folder, provided the folder is a cache folder (IsCacheFolder);
// other files and folders stay. Returns the number deleted; recounts.
size_t EmptyCache(ThumbnailCache& cache, const CacheProgress& progress);

}  // namespace lumidex
