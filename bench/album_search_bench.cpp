// bench-libs: lumidex_album lumidex_foundation
// The album search over a large album, beside grep.
//   album_search_bench [ENTRIES [NEEDLE]]
// Writes the generated album of big_album.h with ENTRIES file entries
// (default 1,000,000) in 20 years, then times the search for NEEDLE
// (default さくら) with both foldings (file names, folders, sub-album names
// and comments), beside `grep -c` of the needle over the same year files
// (reading and scanning them). Goal: within 3x. Best of five; prints
// figures only.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "album/album_search.h"
#include "bench_timing.h"
#include "big_album.h"
#include "foundation/text_codec.h"

using namespace lumidex;

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
  const double search = bench::Best(5, [&] {
    hits = SearchAlbum(album.folders.photoDir, album.years, nullptr, request, progress).hits.size();
  });
  // grep looks for the cp932 bytes of the needle as typed.
  const std::string command =
      "grep -c '" + EncodeAlbumFile(needle) + "' " + album.folders.photoDir + "*.ini > /dev/null";
  const double grep = bench::Best(5, [&] {
    if (std::system(command.c_str()) < 0) std::abort();
  });
  std::printf("search of %ld entries in %d years, both foldings: %.0f ms, %zu hits; grep -c (reference): %.0f ms "
              "(%.1fx, goal within 3x)\n",
              album.fileEntries, shape.years, search, hits, grep, search / grep);
  return 0;
}
