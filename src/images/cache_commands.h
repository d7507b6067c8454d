#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "foundation/long_operation.h"
#include "images/thumbnail_request.h"

namespace lumidex {

class ThumbnailCache;

// The cache commands report through `progress` (Begin with the number of
// items, Step after each item with the path or name worked on, End when
// done or stopped) and stop as soon as Step answers true.

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
// Files that the desktop draws (DrawnByShell) are rendered on the calling
// thread, so context.shell is only ever called from there.
FillResult FillCache(const std::string& photoDir, ThumbnailCache& cache,
                     const ImageContext& context, LongOperation& progress, size_t jobs = 0);

struct CleanResult {
  size_t names = 0;    // cache files looked at
  size_t deleted = 0;  // files really deleted
  bool aborted = false;
};

// Deletes the older twins among the cache files: names (longer than eight
// characters) that agree from the ninth character on are one group, and of
// each group only the one whose first eight characters are greatest
// byte-wise stays. Only proven cache files (IsProvenCacheFile: a cache
// file name in a cache folder, holding a thumbnail as the cache writes it)
// take part; a folder of another name is left alone. One pass over the
// folder. Recounts the cache.
CleanResult CleanCache(ThumbnailCache& cache, LongOperation& progress);

// The message after cleaning, "<names>個中、<deleted>個のファイルを削除しました。",
// or "" when nothing was deleted.
std::string CleanMessage(const CleanResult& result);

// Remakes the cache files of the chosen files ("ディスクキャッシュの更新"):
// `paths` sorted and without duplicates, only picture types (ImageTypes);
// a file whose cache file exists is skipped unless `overwriteAll`; the
// others are made high-quality over white at 170 x 128 and stored with
// `overwriteAll` as the overwrite flag. Runs on the calling thread. Returns
// the number of thumbnails made; `aborted` tells whether it was stopped.
size_t UpdateSelectedCache(std::vector<std::string> paths, bool overwriteAll, ThumbnailCache& cache,
                           const ImageContext& context, LongOperation& progress, bool* aborted = nullptr);

// Deletes every proven cache file (IsProvenCacheFile: a cache file name
// holding a thumbnail as the cache writes it) directly in the cache folder,
// provided the folder is a cache folder (IsCacheFolder); other files and
// folders stay. Returns the number deleted; recounts.
size_t EmptyCache(ThumbnailCache& cache, LongOperation& progress);

// EmptyCache without progress, for the deletion at exit ("delhdd").
size_t DeleteCacheAtExit(ThumbnailCache& cache);

}  // namespace lumidex
