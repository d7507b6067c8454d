// bench-libs: lumidex_filetools lumidex_album lumidex_images lumidex_imagelist lumidex_foundation
// Two figures of the file tools, each beside its reference, best of three
// rounds:
// - the organiser: 2,000 camera JPEGs (Exif shooting dates, 96 KiB each)
//   copied into yyyymm folders, beside `cp -p` of the same files into the
//   same folders (one cp per folder); goal within 1.2x;
// - missing-file repair: an album of 20,000 entries whose files all moved,
//   repaired against a folder of 20,000 files in 200 subfolders, beside the
//   folder walk alone; goal under 2x.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "album/album_store.h"
#include "album/missing_file_repair.h"
#include "bench_timing.h"
#include "exif_jpeg.h"
#include "filetools/file_organiser.h"
#include "foundation/app_environment.h"
#include "foundation/folder_walk.h"
#include "foundation/long_operation.h"
#include "foundation/text_codec.h"

namespace {

namespace fs = std::filesystem;
using lumidex::bench::Best;

constexpr int kRounds = 3;

class NeverAsked : public lumidex::FileOperationPrompts {
 public:
  Overwrite AskOverwrite(const std::string&, const std::string&) override { return Overwrite::kNo; }
  bool AskContinue(const std::string& message, const std::string&) override {
    std::fprintf(stderr, "%s\n", message.c_str());
    return false;
  }
};

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

void DropCaches() { ::sync(); }

}  // namespace

int main() {
  const fs::path base =
      fs::temp_directory_path() / ("lumidex-filetools-bench-" + std::to_string(::getpid()));
  // ---- Organiser ----
  const fs::path camera = base / "camera";
  fs::create_directories(camera);
  std::map<std::string, std::vector<std::string>> byMonth;  // "yyyymm" -> files
  const std::string padding(96 * 1024, '\x5a');
  for (int i = 0; i < 2000; ++i) {
    const int year = 2012 + i % 3, month = 1 + (i / 7) % 12, day = 1 + i % 28;
    char when[32], folder[8];
    std::snprintf(when, sizeof when, "%04d:%02d:%02d 10:%02d:%02d", year, month, day, i % 60,
                  (i / 60) % 60);
    std::snprintf(folder, sizeof folder, "%04d%02d", year, month);
    const std::string jpeg = lumidex::bench::ExifJpeg(when);
    // The padding goes before the end marker, as a camera's picture data.
    const std::string file = (camera / ("DSC" + std::to_string(10000 + i) + ".JPG")).string();
    std::ofstream(file, std::ios::binary)
        << jpeg.substr(0, jpeg.size() - 2) << padding << jpeg.substr(jpeg.size() - 2);
    byMonth[folder].push_back(file);
  }
  int round = 0;
  int organised = 0;
  const double organiser = Best(kRounds, [&] {
    const fs::path out = base / ("sorted" + std::to_string(round++));
    fs::create_directories(out);
    DropCaches();
    lumidex::OrganiseOptions options;
    options.source = camera.string();
    options.destination = out.string();
    options.unit = lumidex::OrganiseUnit::kMonth;
    options.exifDates = true;
    NeverAsked prompts;
    lumidex::SilentOperation progress;
    lumidex::FileTypeLists types;
    auto report = lumidex::OrganiseFiles(options, types, prompts, progress);
    organised = report.ok() ? report.value().transfer.done : -1;
  });
  round = 0;
  const double cp = Best(kRounds, [&] {
    const fs::path out = base / ("cp" + std::to_string(round++));
    DropCaches();
    for (const auto& [month, files] : byMonth) {
      std::string command = "mkdir -p " + Quoted((out / month).string()) + " && cp -p";
      for (const auto& file : files) command += " " + Quoted(file);
      command += " " + Quoted((out / month).string());
      if (std::system(command.c_str()) != 0) std::abort();
    }
  });
  for (int i = 0; i < kRounds; ++i) {
    fs::remove_all(base / ("sorted" + std::to_string(i)));
    fs::remove_all(base / ("cp" + std::to_string(i)));
  }
  fs::remove_all(camera);

  // ---- Repair ----
  const fs::path moved = base / "moved";
  std::string yearText = "[01/01]\r\n";
  for (int folder = 0; folder < 200; ++folder) {
    const fs::path dir = moved / ("folder" + std::to_string(folder));
    fs::create_directories(dir);
    for (int i = 0; i < 100; ++i) {
      const std::string name = "IMG_" + std::to_string(folder * 100 + i) + ".jpg";
      std::ofstream(dir / name) << "x";
      if (i == 0 && folder > 0) {
        char page[16];
        std::snprintf(page, sizeof page, "[%02d/%02d]\r\n", 1 + folder % 12, 1 + folder % 28);
        yearText += page;
      }
      yearText += "/gone/" + name + "=comment\r\n";
    }
  }
  int walked = 0;
  const double walk = Best(kRounds, [&] {
    walked = 0;
    lumidex::WalkFolder(moved.string(), {}, [&](const std::string&) {
      ++walked;
      return true;
    });
  });
  int repaired = 0;
  double repair = 1e300;
  double dryRun = 1e300;
  for (int r = 0; r < kRounds; ++r) {
    const std::string albumBase = (base / ("album" + std::to_string(r))).string();
    auto opened = lumidex::AppEnvironment::Open(albumBase, "bench");
    if (!opened.ok()) std::abort();
    const std::unique_ptr<lumidex::AppEnvironment> env = std::move(opened).value();
    std::ofstream(env->folders.photoDir + "2014.ini", std::ios::binary)
        << lumidex::EncodeAlbumFile(yearText);
    lumidex::AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
    lumidex::SilentOperation progress;
    // The search alone: reading the year document, the walk and the
    // look-ups, nothing saved.
    dryRun = std::min(dryRun, Best(1, [&] {
      auto counts = lumidex::RepairAlbum(store, {moved.string(), true}, progress);
      if (!counts.ok() || counts.value().repairedCount != 20000) std::abort();
    }));
    // The whole run, with the atomic save (write, fsync, rename).
    repair = std::min(repair, Best(1, [&] {
      auto counts = lumidex::RepairAlbum(store, {moved.string(), false}, progress);
      repaired = counts.ok() ? counts.value().repairedCount : -1;
    }));
  }

  std::printf("best of %d rounds, wall clock\n", kRounds);
  std::printf("organise 2,000 JPEGs by month:  %8.1f ms (%d copied)\n", organiser, organised);
  std::printf("cp -p into the same folders:    %8.1f ms\n", cp);
  std::printf("ratio:                          %8.2fx (goal within 1.2x)\n", organiser / cp);
  std::printf("repair 20,000 moved entries:    %8.1f ms (%d repaired)\n", repair, repaired);
  std::printf("  of which the search (dry run): %8.1f ms\n", dryRun);
  std::printf("walk of the folder alone:       %8.1f ms (%d files)\n", walk, walked);
  std::printf("ratio:                          %8.2fx, search alone %.2fx (goal under 2x)\n",
              repair / walk, dryRun / walk);
  fs::remove_all(base);
  return 0;
}
