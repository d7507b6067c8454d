// bench-libs: lumidex_filetools lumidex_album lumidex_images lumidex_imagelist lumidex_foundation
// Builds a tree of 20,000 small JPEG files with Exif shooting dates spread
// over 5 years (200 folders of 100 files, file dates of another day), then
// prints the best of three rounds, wall clock and CPU time, of:
// - a plain walk of the tree with stat of each file (our folder walk);
// - reading the shooting date of every file (the list of files at hand);
// - automatic registration of the tree into a fresh album, with shooting
//   dates and sub-albums by folder, and its ratio to walk + Exif read; goal
//   within 2x.
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "album/album_store.h"
#include "bench_timing.h"
#include "exif_jpeg.h"
#include "filetools/auto_registration.h"
#include "foundation/app_environment.h"
#include "foundation/long_operation.h"
#include "foundation/folder_walk.h"
#include "images/exif_reader.h"

namespace {

using lumidex::bench::Clock;
using lumidex::bench::CpuMs;
using lumidex::bench::ExifJpeg;
using lumidex::bench::Ms;

constexpr int kRounds = 3;

// The best wall-clock and CPU times of several runs, in milliseconds.
struct Timing {
  double wall = 1e300;
  double cpu = 1e300;

  template <typename F>
  void Run(F f) {
    const auto start = Clock::now();
    const double cpuStart = CpuMs();
    f();
    cpu = std::min(cpu, CpuMs() - cpuStart);
    wall = std::min(wall, Ms(Clock::now() - start));
  }
};

}  // namespace

int main() {
  namespace fs = std::filesystem;
  const fs::path base =
      fs::temp_directory_path() / ("lumidex-autoreg-bench-" + std::to_string(::getpid()));
  const fs::path tree = base / "tree";
  int files = 0;
  for (int folder = 0; folder < 200; ++folder) {
    const int year = 2010 + folder % 5;
    const fs::path dir = tree / std::to_string(year) / ("旅行" + std::to_string(folder));
    fs::create_directories(dir);
    for (int i = 0; i < 100; ++i) {
      char when[32];
      std::snprintf(when, sizeof when, "%04d:%02d:%02d 10:00:00", year, 1 + (folder + i) % 12,
                    1 + i % 28);
      const fs::path file = dir / ("IMG_" + std::to_string(i) + ".jpg");
      std::ofstream(file, std::ios::binary) << ExifJpeg(when);
      ++files;
    }
  }

  Timing walk;
  long long bytes = 0;
  int walked = 0;
  std::vector<std::string> paths;
  for (int round = 0; round < kRounds; ++round) {
    paths.clear();
    walk.Run([&] {
      lumidex::WalkFolder(tree.string(), {}, [&](const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0) bytes += info.st_size;
        paths.push_back(path);
        return true;
      });
    });
  }
  walked = static_cast<int>(paths.size());

  Timing exif;
  int dated = 0;
  for (int round = 0; round < kRounds; ++round) {
    dated = 0;
    exif.Run([&] {
      for (const std::string& path : paths) dated += lumidex::ExifDate(path, false).empty() ? 0 : 1;
    });
  }

  Timing registering;
  int added = 0;
  for (int round = 0; round < kRounds; ++round) {
    const std::string albumBase = (base / ("album" + std::to_string(round))).string();
    auto opened = lumidex::AppEnvironment::Open(albumBase, "bench");
    if (!opened.ok()) {
      std::fprintf(stderr, "%s\n", opened.status().message().c_str());
      return 1;
    }
    const std::unique_ptr<lumidex::AppEnvironment> env = std::move(opened).value();
    lumidex::AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
    if (!store.SwitchYear("2014/01/01").ok()) return 1;
    store.RebuildSummaries();
    lumidex::AutoRegisterOptions options;
    options.exifDates = true;
    options.subAlbumsByFolder = true;
    lumidex::SilentOperation progress;
    lumidex::AutoRegistration registration(store, env->types);
    bool ok = false;
    registering.Run([&] {
      auto report = registration.Run(tree.string(), options, progress);
      ok = report.ok();
      if (ok) added = report.value().added();
    });
    if (!ok) return 1;
  }

  std::printf("files in tree:                 %d (%d walked, %d with shooting date)\n", files,
              walked, dated);
  std::printf("best of %d rounds:                   wall         CPU\n", kRounds);
  std::printf("walk with stat of each file:   %8.1f ms %8.1f ms\n", walk.wall, walk.cpu);
  std::printf("Exif shooting dates:           %8.1f ms %8.1f ms\n", exif.wall, exif.cpu);
  std::printf("automatic registration:        %8.1f ms %8.1f ms (%d entries added)\n",
              registering.wall, registering.cpu, added);
  std::printf("ratio to walk + Exif read:     %8.2fx   %8.2fx (goal within 2x)\n",
              registering.wall / (walk.wall + exif.wall), registering.cpu / (walk.cpu + exif.cpu));
  fs::remove_all(base);
  return 0;
}
