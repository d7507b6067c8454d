// bench-libs: lumidex_album lumidex_foundation
// Generates an album of 10 years x 366 pages x 100 entries (Japanese paths
// and comments, a sub-album on every seventh page) and prints the times of
// the album store beside their references:
// - year switch into a year (open both documents, build the summaries
//   without thumbnails) against reading the year document and converting it
//   with iconv; goal within 3x;
// - SaveSection of a 1,000-entry page against writing the year document's
//   bytes once; goal within 3x;
// - PageUsedInOtherYears for all 366 pages; goal under 1 ms in total;
// - the peak memory of the process.

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "album/album_store.h"
#include "foundation/app_environment.h"
#include "foundation/text_codec.h"
#include "bench_timing.h"

namespace {

std::string PageKey(int day) {
  char key[8];
  std::snprintf(key, sizeof key, "%02d/%02d", day / 31 + 1, day % 31 + 1);
  return key;
}

// The year document and sub-album document of `year`, as UTF-8 text.
std::pair<std::string, std::string> GenerateYear(int year) {
  const char* places[] = {"北海道旅行", "沖縄の海", "運動会", "誕生日会", "お花見", "紅葉狩り"};
  const char* comments[] = {"", "楽しかった･･また行きたい", "家族写真", "", "夕焼けがきれい"};
  std::string text, sub;
  for (int day = 0; day < 366; ++day) {
    const std::string page = PageKey(day);
    text += "[" + page + "]\r\n";
    const bool withSubAlbum = day % 7 == 0;
    for (int i = 0; i < (withSubAlbum ? 99 : 100); ++i) {
      text += "/home/利用者/写真/" + std::to_string(year) + "/" + places[(day + i) % 6] + "/IMG_" +
              std::to_string(day * 100 + i) + ".JPG=" + comments[i % 5] + "\r\n";
    }
    if (withSubAlbum) {
      text += "@" + page + "家族=\r\n";
      sub += "[" + page + "家族]\r\n";
      for (int i = 0; i < 20; ++i) {
        sub += "/home/利用者/写真/家族/" + std::to_string(year) + "_" + std::to_string(i) + ".jpg=\r\n";
      }
      sub += "\r\n";
    }
    text += "\r\n";
  }
  return {text, sub};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  if (!lumidex::RealFileStore().WriteAtomic(path, bytes).ok()) std::abort();
}

}  // namespace

int main() {
  using namespace lumidex;
  using namespace lumidex::bench;
  const auto base = std::filesystem::temp_directory_path() / "lumidex-album-bench";
  std::filesystem::remove_all(base);
  auto env = AppEnvironment::Open(base.string(), "bench").value();
  const std::string photoDir = env->folders.photoDir;

  std::string index = "[DATA]\r\n";
  for (int day = 0; day < 366; ++day) index += PageKey(day) + "=.alb\r\n";
  WriteBytes(env->folders.PageIndexPath(), EncodeAlbumFile(index));
  env = AppEnvironment::Open(base.string(), "bench").value();
  size_t yearBytes = 0;
  for (int year = 2010; year < 2020; ++year) {
    auto [text, sub] = GenerateYear(year);
    const std::string bytes = EncodeAlbumFile(text);
    yearBytes = bytes.size();
    WriteBytes(photoDir + std::to_string(year) + ".ini", bytes);
    WriteBytes(photoDir + std::to_string(year) + "S.ini", EncodeAlbumFile(sub));
  }

  AlbumStore store(env->folders, env->types, *env->pageIndex, *env->lockList);
  const auto firstStart = Clock::now();
  if (!store.SwitchYear("2010/01/01").ok()) std::abort();
  store.RebuildSummaries();  // lists the years and builds YearSectionIndex from all ten files
  const double firstSwitch = Ms(Clock::now() - firstStart);

  const int runs = 5;
  int next = 2011;
  const double yearSwitch = Best(runs, [&] {
    if (!store.SwitchYear(std::to_string(next) + "/01/01").ok()) std::abort();
    store.RebuildSummaries();
    next = next == 2019 ? 2011 : next + 1;
  });
  double openOnly = 1e300, summariesOnly = 1e300;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    if (!store.SwitchYear(std::to_string(next) + "/01/01").ok()) std::abort();
    const auto opened = Clock::now();
    store.RebuildSummaries();
    openOnly = std::min(openOnly, Ms(opened - start));
    summariesOnly = std::min(summariesOnly, Ms(Clock::now() - opened));
    next = next == 2019 ? 2011 : next + 1;
  }
  const std::string yearPath = photoDir + "2015.ini";
  const double readConvert = Best(runs, [&] { ReadAndConvert(yearPath); });

  if (!store.SwitchYear("2015/01/01").ok()) std::abort();
  store.RebuildSummaries();
  std::vector<std::string> bigPage;
  for (int i = 0; i < 1000; ++i) {
    bigPage.push_back("/home/利用者/写真/大きなページ/IMG_" + std::to_string(i) + ".JPG=コメント" +
                      std::to_string(i));
  }
  const double saveSection = Best(runs, [&] {
    if (!store.SaveSection("06/15", bigPage, false).ok()) std::abort();
  });
  const std::string savedBytes = RealFileStore().ReadAll(yearPath).value();
  const std::string copyPath = photoDir + "copy.bin";
  const double writeOnce = Best(runs, [&] { WriteBytes(copyPath, savedBytes); });

  int used = 0;
  const double lookups = Best(runs, [&] {
    used = 0;
    for (int day = 0; day < 366; ++day) used += store.PageUsedInOtherYears(PageKey(day), "2015");
  });
  if (used != 366) std::abort();


  std::printf("album: 10 years x 366 pages x 100 entries; year document %zu bytes\n", yearBytes);
  std::printf("%-44s %9s %9s %7s\n", "operation", "ours ms", "ref ms", "ratio");
  std::printf("%-44s %9.2f %9.2f %6.2fx  (goal <= 3x read+iconv)\n",
              "year switch (open, summaries, no thumbnails)", yearSwitch, readConvert,
              yearSwitch / readConvert);
  std::printf("%-44s %9.2f\n", "  of which opening the two documents", openOnly);
  std::printf("%-44s %9.2f\n", "  of which summaries and year list", summariesOnly);
  std::printf("%-44s %9.2f %9.2f %6.2fx  (goal <= 3x one write)\n", "SaveSection of a 1,000-entry page",
              saveSection, writeOnce, saveSection / writeOnce);
  std::printf("%-44s %9.3f %9s          (goal < 1 ms)\n", "PageUsedInOtherYears x 366", lookups, "-");
  std::printf("%-44s %9.2f\n", "first switch (also builds YearSectionIndex)", firstSwitch);
  std::printf("%-44s %9.1f MB\n", "peak memory (max RSS)", PeakMemoryMb());
  std::filesystem::remove_all(base);
  return 0;
}
