// bench-libs: lumidex_foundation lumidex_platform
// The command-line tool over a million-entry album (make_big_album: 50 years
// x 366 pages, about 55 entries a page, a sub-album on every seventh page):
//   big_album_bench LUMIDEX_CLI [ENTRIES [YEARS]]
// - `lumidex-cli list` (every year with its counts) beside reading and
//   converting all year documents (`cat | iconv -f CP932`); goal within 1.5x;
// - the peak memory of `lumidex-cli list YYYY` on the largest year (its
//   documents loaded, the page summaries built); goal under 200 MB.
// Best of three runs each; the album is written below /tmp and removed.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_timing.h"
#include "big_album.h"
#include "platform/environment.h"

using namespace lumidex;

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: big_album_bench LUMIDEX_CLI [ENTRIES [YEARS]]\n");
    return 2;
  }
  const std::string cli = argv[1];
  bench::BigAlbumShape shape;
  if (argc > 2) shape.entries = std::atol(argv[2]);
  if (argc > 3) shape.years = std::atoi(argv[3]);
  bench::WorkFolder home(1, argv, "big_album_bench");
  const bench::BigAlbum album = bench::WriteBigAlbum(home.path(), platform::LoginName(), shape);
  const std::vector<std::string> env = {"LUMIDEX_HOME=" + home.path(), "XDG_CONFIG_HOME=" + home.path()};

  // The largest year document, which the memory figure loads.
  std::string largest;
  uintmax_t largestSize = 0;
  for (const auto& year : album.years) {
    const uintmax_t size = std::filesystem::file_size(album.folders.photoDir + year + ".ini");
    if (size > largestSize) largestSize = size, largest = year;
  }

  const bench::ChildRun list = bench::BestChild(3, {cli, "list"}, env);
  const bench::ChildRun convert = bench::BestChild(
      3, {"/bin/sh", "-c", "cat '" + album.folders.photoDir + "'*.ini | iconv -f CP932 -t UTF-8"}, {});
  const bench::ChildRun year = bench::BestChild(3, {cli, "list", largest}, env);

  std::printf("album: %ld entries in %zu years, %.1f MB of documents\n", album.fileEntries, album.years.size(),
              static_cast<double>(album.bytes) / 1e6);
  std::printf("lumidex-cli list:               %8.1f ms (cpu %.1f ms)\n", list.wallMs, list.cpuMs);
  std::printf("cat | iconv (reference):        %8.1f ms (cpu %.1f ms)\n", convert.wallMs, convert.cpuMs);
  std::printf("  ratio %.2f (goal within 1.5x)\n", list.wallMs / convert.wallMs);
  std::printf("lumidex-cli list %s: %8.1f ms, peak memory %.1f MB (goal under 200 MB)\n", largest.c_str(),
              year.wallMs, year.peakMb);
  return 0;
}
