#include "images/cache_commands.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "foundation/data_folders.h"
#include "foundation/file_types.h"
#include "foundation/ini_line.h"
#include "foundation/long_operation.h"
#include "foundation/mem_ini_file.h"
#include "foundation/message_format.h"
#include "images/thread_pool.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"

namespace lumidex {
namespace {

bool IsYear(std::string_view text) {
  return text.size() == 4 &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Regular files directly in `folder`, in the order the system lists them.
std::vector<std::string> FileNames(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    struct stat st {};
    const std::string name = entry->d_name;
    if (::lstat((folder + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

// Every line of the year and sub-album documents, in year order.
std::vector<std::string> AlbumLines(const std::string& photoDir) {
  std::vector<std::string> years;
  for (const std::string& name : FileNames(photoDir)) {
    if (name.size() == 8 && name.substr(4) == ".ini" && IsYear(name.substr(0, 4))) {
      years.push_back(name.substr(0, 4));
    }
  }
  std::sort(years.begin(), years.end());
  std::vector<std::string> lines;
  for (const std::string& year : years) {
    for (const std::string& file : {photoDir + year + ".ini", photoDir + year + "S.ini"}) {
      Result<std::unique_ptr<TMemIniFile>> doc = TMemIniFile::Open(file);
      if (!doc.ok()) continue;
      for (const std::string& section : doc.value()->SectionNames()) {
        const std::vector<std::string>* sectionLines = doc.value()->FindSection(section);
        if (sectionLines == nullptr) continue;
        lines.insert(lines.end(), sectionLines->begin(), sectionLines->end());
      }
    }
  }
  return lines;
}

// True when the user asked to stop.
bool Step(LongOperation& progress, size_t done, const std::string& item) {
  return progress.Step(static_cast<int>(done), item);
}

int64_t FileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(path.c_str(), R_OK) != 0) {
    return -1;
  }
  return static_cast<int64_t>(st.st_size);
}

}  // namespace

FillResult FillCache(const std::string& photoDir, ThumbnailCache& cache,
                     const ImageContext& context, LongOperation& progress, size_t jobs) {
  FillResult result;
  const std::vector<std::string> lines = AlbumLines(WithTrailingSlash(photoDir));
  result.lines = lines.size();

  struct Item {
    size_t line;
    std::string path;
    int64_t size;
  };
  std::vector<Item> items;
  std::set<std::string> seen;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty() || line[0] == '[' || line[0] == '@') continue;
    const std::string path(HasEquals(line) ? NameOf(line) : std::string_view(line));
    if (path.empty() || !FileTypeLists::IsImageType(ExtensionOf(path))) continue;
    if (!seen.insert(path).second) continue;
    const int64_t size = FileSize(path);
    if (size <= kSmallestCachedFile) continue;
    if (cache.CacheLookup(path)) continue;
    items.push_back({i, path, size});
  }

  progress.Begin(static_cast<int>(lines.size()));
  ThreadPool pool(jobs);
  auto render = [&](size_t i) {
    ThumbnailRequest request;
    request.path = items[i].path;
    request.highQuality = true;
    return RenderListThumbnail(request, context);
  };
  // A decoding thread renders each file, except those the desktop draws:
  // for them it hands back nothing, and they are rendered here, on the
  // calling thread.
  using ThreadRender = std::optional<Result<std::string>>;
  const std::function<ThreadRender(size_t)> produce = [&](size_t i) -> ThreadRender {
    if (DrawnByShell(items[i].path, context)) return std::nullopt;
    return render(i);
  };
  const std::function<bool(size_t, ThreadRender &&)> consume = [&](size_t i,
                                                                   ThreadRender&& decoded) {
    Result<std::string> jpeg = decoded.has_value() ? std::move(*decoded) : render(i);
    if (jpeg.ok()) {
      ThumbnailRequest request;
      request.path = items[i].path;
      if (cache.StoreHook(request, items[i].size, jpeg.value())) ++result.made;
    }
    result.aborted = Step(progress, items[i].line + 1, items[i].path);
    return !result.aborted;
  };
  ForEachInOrder<ThreadRender>(pool, items.size(), pool.size() * 2, produce, consume);
  progress.End();
  cache.Recount();
  return result;
}

CleanResult CleanCache(ThumbnailCache& cache, LongOperation& progress) {
  CleanResult result;
  const std::string& dir = cache.cacheDir();
  std::vector<std::string> names = IsCacheFolder(dir) ? FileNames(dir) : std::vector<std::string>();
  // Only proven cache files take part, so a stray picture can neither be
  // deleted nor keep a genuine thumbnail as its "newer twin".
  names.erase(std::remove_if(
                  names.begin(), names.end(),
                  [&](const std::string& n) { return n[0] == '.' || !IsProvenCacheFile(dir, n); }),
              names.end());
  result.names = names.size();
  // The greatest head of each tail, found in one pass.
  std::map<std::string, std::string> keeper;
  for (const std::string& name : names) {
    if (name.size() <= 8) continue;
    std::string& best = keeper[name.substr(8)];
    if (best.empty() || name.substr(0, 8) > best.substr(0, 8)) best = name;
  }
  progress.Begin(static_cast<int>(names.size()));
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string& name = names[i];
    if (name.size() > 8 && keeper[name.substr(8)] != name && ::unlink((dir + name).c_str()) == 0) {
      ++result.deleted;
    }
    if (Step(progress, i + 1, name)) {
      result.aborted = true;
      break;
    }
  }
  progress.End();
  cache.Recount();
  return result;
}

std::string CleanMessage(const CleanResult& result) {
  if (result.deleted == 0) return {};
  return FormatMessage("%d個中、%d個のファイルを削除しました。",
                       {std::to_string(result.names), std::to_string(result.deleted)});
}

size_t UpdateSelectedCache(std::vector<std::string> paths, bool overwriteAll, ThumbnailCache& cache,
                           const ImageContext& context, LongOperation& progress, bool* aborted) {
  std::sort(paths.begin(), paths.end());
  paths.erase(std::unique(paths.begin(), paths.end()), paths.end());
  size_t made = 0;
  bool stopped = false;
  progress.Begin(static_cast<int>(paths.size()));
  for (size_t i = 0; i < paths.size() && !stopped; ++i) {
    const std::string& path = paths[i];
    if (FileTypeLists::IsImageType(ExtensionOf(path))) {
      ThumbnailRequest request;
      request.path = path;
      request.cachePath = cache.CacheFileName(path);
      if (overwriteAll || FileSize(request.cachePath) < 0) {
        request.highQuality = true;
        request.overwrite = overwriteAll;
        if (MakeListThumbnail(request, context, &cache).ok()) ++made;
      }
    }
    stopped = Step(progress, i + 1, path);
  }
  progress.End();
  if (aborted != nullptr) *aborted = stopped;
  return made;
}

size_t DeleteCacheAtExit(ThumbnailCache& cache) {
  SilentOperation silent;
  return EmptyCache(cache, silent);
}

size_t EmptyCache(ThumbnailCache& cache, LongOperation& progress) {
  size_t deleted = 0;
  const std::string& dir = cache.cacheDir();
  if (IsCacheFolder(dir)) {
    std::vector<std::string> names = FileNames(dir);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& n) { return !IsCacheFileName(n); }),
                names.end());
    progress.Begin(static_cast<int>(names.size()));
    for (size_t i = 0; i < names.size(); ++i) {
      // The content is checked right before the deletion, so the progress
      // moves from the start even in a folder of many thousand files.
      if (IsProvenCacheFile(dir, names[i]) && ::unlink((dir + names[i]).c_str()) == 0) ++deleted;
      if (Step(progress, i + 1, names[i])) break;
    }
    progress.End();
  }
  cache.Recount();
  return deleted;
}

}  // namespace lumidex
