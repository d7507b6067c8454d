// bench-libs: lumidex_album lumidex_foundation
// The album search over a large album, beside grep.
//   album_search_bench [ENTRIES]
// Writes an album of ENTRIES file entries (default 1,000,000) in 20 years
// (every page of the year, comments on every third entry, a sub-album on
// every seventh page) as cp932 year documents, then times the search for a
// katakana word with both foldings (file names, folders, sub-album names
// and comments), beside `grep -c` of the same word over the same files
// (reading and scanning them). Goal: within 3x. Prints figures only.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "album/album_search.h"
#include "bench_timing.h"
#include "foundation/text_codec.h"

using namespace lumidex;

namespace {

constexpr int kYears = 20;
constexpr int kPagesPerYear = 366;

std::string PageKey(int index) {
  static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int month = 0;
  while (index >= kDays[month]) index -= kDays[month++];
  char key[8];
  std::snprintf(key, sizeof key, "%02d/%02d", month + 1, index + 1);
  return key;
}

}  // namespace

int main(int argc, char** argv) {
  const long entries = argc > 1 ? std::atol(argv[1]) : 1000000;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("album_search_bench_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const long perPage = entries / (kYears * kPagesPerYear) + 1;
  std::vector<std::string> years;
  long written = 0;
  for (int y = 0; y < kYears; ++y) {
    const std::string year = std::to_string(2000 + y);
    years.push_back(year);
    std::string pages, subAlbums;
    for (int p = 0; p < kPagesPerYear; ++p) {
      const std::string page = PageKey(p);
      pages += "[" + page + "]\r\n";
      for (long e = 0; e < perPage && written < entries; ++e, ++written) {
        pages += "/photos/" + year + "/" + std::to_string(p) + "/IMG_" + std::to_string(e) + ".jpg=";
        if (e % 3 == 0) pages += "家族で海へ･･晴れ";
        pages += "\r\n";
      }
      if (p % 7 == 0) {
        pages += "@" + page + "旅行=\r\n";
        subAlbums += "[" + page + "旅行]\r\n/photos/trip/" + year + "_" + std::to_string(p) + ".jpg=サクラ\r\n";
      }
    }
    std::ofstream((folder / (year + ".ini")).string(), std::ios::binary) << EncodeAlbumFile(pages);
    std::ofstream((folder / (year + "S.ini")).string(), std::ios::binary) << EncodeAlbumFile(subAlbums);
  }
  SearchRequest request;
  request.text = "さくら";
  request.targets = {true, true, true, true};
  request.options = {true, true};
  SilentOperation progress;
  size_t hits = 0;
  const double search = bench::Best(3, [&] {
    hits = SearchAlbum(folder.string(), years, nullptr, request, progress).hits.size();
  });
  // grep looks for the cp932 bytes of the form the hits hold (サクラ).
  const std::string needle = EncodeAlbumFile("サクラ");
  const std::string command = "grep -c '" + needle + "' " + folder.string() + "/*.ini > /dev/null";
  const double grep = bench::Best(3, [&] {
    if (std::system(command.c_str()) < 0) std::abort();
  });
  std::printf("search of %ld entries in %d years, both foldings: %.0f ms, %zu hits; grep -c (reference): %.0f ms "
              "(%.1fx, goal within 3x)\n",
              written, kYears, search, hits, grep, search / grep);
  std::filesystem::remove_all(folder);
  return 0;
}
