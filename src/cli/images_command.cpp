// lumidex-cli exif, thumbnail and cache: the Exif reader, the list-thumbnail
// maker and the thumbnail disk cache commands.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <ostream>

#include "cli/cli_command.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "foundation/long_operation.h"
#include "foundation/settings_load_store.h"
#include "images/cache_commands.h"
#include "images/exif_reader.h"
#include "images/format_byte_size.h"
#include "images/image_types.h"
#include "images/thread_pool.h"
#include "images/thumbnail_cache.h"
#include "images/thumbnail_maker.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunExif(const std::vector<std::string>& args, CliIo& io);
int RunThumbnail(const std::vector<std::string>& args, CliIo& io);
int RunCache(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kExifUsage = "  lumidex-cli exif FILE...\n";
constexpr const char* kThumbnailUsage = "  lumidex-cli thumbnail --out DIR [--jobs N] FILE...\n";
constexpr const char* kCacheUsage = "  lumidex-cli cache fill|clean|empty\n";

const CliRegistration kExif({"exif", kExifUsage,
                             "print the shooting information of each file after a line '== path'",
                             RunExif});
const CliRegistration kThumbnail(
    {"thumbnail", kThumbnailUsage,
     "write the 170 x 128 list thumbnail of each file into DIR under its cache name", RunThumbnail});
const CliRegistration kCache({"cache", kCacheUsage,
                              "make missing thumbnails of the album, delete older twins, or "
                              "delete every cache file",
                              RunCache});

int RunExif(const std::vector<std::string>& args, CliIo& io) {
  if (args.empty()) return UsageError(io, kExifUsage, "exif needs at least one file");
  bool refused = false;
  for (const std::string& path : args) {
    // The summary is empty both for a file without shooting information and
    // for one that cannot be read; only the first is an answer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
      io.err << "lumidex-cli: " << MissingFileMessage(path) << "\n";
      refused = true;
      continue;
    }
    if (!std::ifstream(path, std::ios::binary).is_open()) {
      io.err << "lumidex-cli: " << CannotOpenMessage(path) << "\n";
      refused = true;
      continue;
    }
    const std::string text = WithLfLineEnds(ExifSummary(path, true));
    io.out << "== " << path << "\n";
    if (!text.empty()) io.out << text << "\n";
  }
  return refused ? kExitFailed : kExitOk;
}

int RunThumbnail(const std::vector<std::string>& args, CliIo& io) {
  std::string out;
  size_t jobs = 0;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--out" && i + 1 < args.size()) {
      out = args[++i];
    } else if (args[i] == "--jobs" && i + 1 < args.size()) {
      const std::string& n = args[++i];
      if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string::npos) {
        return UsageError(io, kThumbnailUsage, "--jobs needs a number");
      }
      jobs = std::stoul(n);
    } else if (args[i].rfind("--", 0) == 0) {
      return UsageError(io, kThumbnailUsage, "unknown option " + args[i]);
    } else {
      files.push_back(args[i]);
    }
  }
  if (out.empty() || files.empty()) {
    return UsageError(io, kThumbnailUsage, "thumbnail needs --out DIR and at least one file");
  }
  if (!MakeFolders(out)) {
    io.err << "lumidex-cli: " << CannotCreateMessage(out) << "\n";
    return kExitFailed;
  }
  const ThumbnailCache names(out, true);
  const ImageContext context;
  ThreadPool pool(jobs);
  const auto start = std::chrono::steady_clock::now();
  // Every worker takes the next file, decodes, encodes and writes it itself.
  // Files that share a cache name are written under one lock, and never
  // over the thumbnail of a file later in the list: the last one that
  // succeeds is kept, as when they are made one after the other.
  std::vector<std::string> targets(files.size());
  std::map<std::string, size_t> uses;
  for (size_t i = 0; i < files.size(); ++i) {
    targets[i] = names.CacheFileName(std::filesystem::absolute(files[i]).lexically_normal().string());
    ++uses[targets[i]];
  }
  std::vector<bool> shared(files.size());
  for (size_t i = 0; i < files.size(); ++i) shared[i] = uses[targets[i]] > 1;
  std::mutex sharedNames;
  std::map<std::string, size_t> lastWritten;  // guarded by sharedNames
  std::vector<Status> outcome(files.size());
  ForEachIndex(pool, files.size(), [&](size_t i) {
    ThumbnailRequest request;
    request.path = files[i];
    Result<std::string> jpeg = RenderListThumbnail(request, context);
    if (!jpeg.ok()) {
      outcome[i] = jpeg.status();
    } else if (!shared[i]) {
      outcome[i] = RealFileStore().WriteAtomic(targets[i], jpeg.value());
    } else {
      std::lock_guard<std::mutex> lock(sharedNames);
      auto [written, fresh] = lastWritten.try_emplace(targets[i], i);
      if (fresh || written->second < i) {
        written->second = i;
        outcome[i] = RealFileStore().WriteAtomic(targets[i], jpeg.value());
      }
    }
  });
  size_t written = 0, failed = 0;
  for (size_t i = 0; i < files.size(); ++i) {
    if (outcome[i].ok()) {
      ++written;
    } else {
      ++failed;
      io.err << "lumidex-cli: " << files[i] << ": " << outcome[i].message() << "\n";
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  char summary[160];
  std::snprintf(summary, sizeof summary, "%zu thumbnails in %.3f s (%zu threads, %.1f files/s)",
                written, seconds, pool.size(), seconds > 0 ? written / seconds : 0.0);
  io.out << summary << "\n";
  return failed == 0 ? kExitOk : kExitFailed;
}

// Progress on standard error, one line per item.
class CliProgress final : public LongOperation {
 public:
  CliProgress(std::ostream& err, std::string verb) : err_(err), verb_(std::move(verb)) {}
  void Begin(int total) override { total_ = total; }
  bool Step(int done, std::string_view item) override {
    err_ << verb_ << " " << done << "/" << total_ << " " << item << "\n";
    return false;
  }
  bool AbortRequested() const override { return false; }
  void End() override {}

 private:
  std::ostream& err_;
  std::string verb_;
  int total_ = 0;
};

int RunCache(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() != 1 || (args[0] != "fill" && args[0] != "clean" && args[0] != "empty")) {
    return UsageError(io, kCacheUsage, "cache needs one of fill, clean, empty");
  }
  DataFolders folders =
      DataFolders::ForBase(platform::ApplicationBaseFolder(), platform::LoginName());
  folders.CreateAll();
  FileTypeLists types;
  SettingsStore store(SettingsFilePath(platform::SettingsFolder()));
  const SettingsLoadResult loaded = LoadSettings(store, folders, types);
  MakeFolders(folders.cacheDir);
  // The command asks for the cache, so it works on it whatever "hdd" says.
  ThumbnailCache cache(folders.cacheDir, true);
  CliProgress progress(io.err, args[0]);
  if (args[0] == "fill") {
    ImageContext context;
    context.types = &types;
    context.highQualityTypes = HighQualityTypesFrom(loaded.settings.hispc);
    const FillResult result = FillCache(folders.photoDir, cache, context, progress);
    io.out << result.made << " thumbnails made from " << result.lines << " lines\n";
  } else if (args[0] == "clean") {
    const CleanResult result = CleanCache(cache, progress);
    const std::string message = CleanMessage(result);
    io.out << (message.empty() ? "nothing to delete" : message) << "\n";
  } else {
    io.out << EmptyCache(cache, progress) << " files deleted\n";
  }
  io.out << "cache: " << cache.cacheDir() << " " << FormatByteSize(cache.cachedBytes(), false)
         << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
