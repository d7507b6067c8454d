// bench-libs: lumidex_album lumidex_foundation
// The album search over a large album, beside grep.
//   album_search_bench [ENTRIES [NEEDLE]]
// Writes the generated album of big_album.h with ENTRIES file entries
// (default 1,000,000) in 20 years, then times the search for NEEDLE
// (default さくら) with both foldings (file names, folders, sub-album names
// and comments), beside `grep -c` of the needle over the same year files
// (reading and scanning them). Goal: within 3x. Best of five, wall and CPU
// time. Also prints when the first hits came, and checks that the same
// album written in UTF-8 (searched in its decoded text) gives the same hits.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "album/album_search.h"
#include "bench_timing.h"
#include "big_album.h"
#include "foundation/album_text_check.h"
#include "foundation/text_codec.h"

using namespace lumidex;

namespace {

// Best of `runs` CPU times of `f` (this process, or its finished children),
// in milliseconds: on a shared machine the wall time also counts waiting.
template <typename F>
double BestCpu(int runs, int who, F f) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    const double start = bench::CpuMs(who);
    f();
    best = std::min(best, bench::CpuMs(who) - start);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  bench::BigAlbumShape shape;
  shape.years = 20;
  if (argc > 1) shape.entries = std::atol(argv[1]);
  const std::string needle = argc > 2 ? argv[2] : "さくら";
  bench::WorkFolder home(1, argv, "album_search_bench");
  const bench::BigAlbum album = bench::WriteBigAlbum(home.path(), "bench", shape);
  SearchRequest request;
  request.text = needle;
  request.targets = {true, true, true, true};
  request.options = {true, true};
  SilentOperation progress;
  size_t hits = 0;
  const auto searchOnce = [&] {
    hits = SearchAlbum(album.folders.photoDir, album.years, nullptr, request, progress).hits.size();
  };
  const double search = bench::Best(5, searchOnce);
  const double searchCpu = BestCpu(5, RUSAGE_SELF, searchOnce);
  // The first hits, as the result window can show them while the search
  // goes on.
  double firstHits = -1;
  const auto searchStart = bench::Clock::now();
  const SearchOutcome outcome =
      SearchAlbum(album.folders.photoDir, album.years, nullptr, request, progress, RealFileStore(),
                  [&](std::span<const SearchHit>) {
                    if (firstHits < 0) firstHits = bench::Ms(bench::Clock::now() - searchStart);
                  });
  const double wholeSearch = bench::Ms(bench::Clock::now() - searchStart);
  // A differential check: the same documents in UTF-8, which are searched
  // in their decoded text, give the same hits.
  const std::string utf8Folder = home.path() + "/utf8/";
  std::filesystem::create_directories(utf8Folder);
  for (const auto& year : album.years) {
    for (const char* suffix : {".ini", "S.ini"}) {
      const std::string bytes = RealFileStore().ReadAll(album.folders.photoDir + year + suffix).value();
      const std::string utf8 = std::string(kUtf8Bom) + EncodeUtf8Raw(DecodeAlbumFile(bytes));
      if (!RealFileStore().WriteAtomic(utf8Folder + year + suffix, utf8).ok()) {
        std::abort();
      }
    }
  }
  const auto decodedSearchStart = bench::Clock::now();
  const SearchOutcome decoded = SearchAlbum(utf8Folder, album.years, nullptr, request, progress);
  const double decodedSearch = bench::Ms(bench::Clock::now() - decodedSearchStart);
  bool same = decoded.hits.size() == outcome.hits.size();
  for (size_t i = 0; same && i < outcome.hits.size(); ++i) {
    same = outcome.hits[i].Location() == decoded.hits[i].Location() &&
           outcome.hits[i].comment == decoded.hits[i].comment;
  }
  // The floor: reading the documents as the search does.
  const double read = bench::Best(5, [&] {
    for (const auto& year : album.years) {
      for (const char* suffix : {".ini", "S.ini"}) {
        if (!ReadAlbumFile(RealFileStore(), album.folders.photoDir + year + suffix, AlbumTextKind::kIniDocument)
                 .ok()) {
          std::abort();
        }
      }
    }
  });
  // grep looks for the cp932 bytes of the needle as typed.
  const std::string command =
      "grep -cF '" + EncodeAlbumFile(needle) + "' " + album.folders.photoDir + "*.ini > /dev/null";
  const auto grepOnce = [&] {
    if (std::system(command.c_str()) < 0) std::abort();
  };
  const double grep = bench::Best(5, grepOnce);
  const double grepCpu = BestCpu(5, RUSAGE_CHILDREN, grepOnce);
  std::printf("search of %ld entries in %d years, both foldings: %.0f ms, %zu hits; grep -c (reference): %.0f ms "
              "(%.1fx, goal within 3x)\n",
              album.fileEntries, shape.years, search, hits, grep, search / grep);
  std::printf("  cpu time: search %.0f ms, grep -c %.0f ms (%.1fx)\n", searchCpu, grepCpu, searchCpu / grepCpu);
  std::printf("  reading the documents alone: %.0f ms\n", read);
  std::printf("  first hits after %.1f ms of %.1f ms\n", firstHits, wholeSearch);
  std::printf("  the same album in UTF-8 (decoded text): %.0f ms, %s hits\n", decodedSearch,
              same ? "the same" : "DIFFERENT");
  return 0;
}
