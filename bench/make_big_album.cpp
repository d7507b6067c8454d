// Writes a large generated album (see big_album.h) for the benchmarks and
// for trying the programs on it by hand:
//   make_big_album BASE [YEARS [ENTRIES [LAST_YEAR]]]
// BASE is the application base folder (use it as LUMIDEX_HOME); the album is
// written for the login name of this user. Defaults: 50 years, 1,000,000
// entries, the last year 2026. The same arguments always give the same
// files.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "big_album.h"
#include "platform/environment.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 5) {
    std::fprintf(stderr, "usage: make_big_album BASE [YEARS [ENTRIES [LAST_YEAR]]]\n");
    return 2;
  }
  lumidex::bench::BigAlbumShape shape;
  if (argc > 2) shape.years = std::atoi(argv[2]);
  if (argc > 3) shape.entries = std::atol(argv[3]);
  if (argc > 4) shape.lastYear = std::atoi(argv[4]);
  if (shape.years < 1 || shape.years > 5000 || shape.entries < 0 || shape.lastYear - shape.years < 1000) {
    std::fprintf(stderr, "make_big_album: years 1-5000, entries >= 0, years after 1000\n");
    return 2;
  }
  const auto album = lumidex::bench::WriteBigAlbum(argv[1], lumidex::platform::LoginName(), shape);
  std::printf("%ld entries in %zu years (%s-%s), %.1f MB of year documents in %s\n", album.fileEntries,
              album.years.size(), album.years.front().c_str(), album.years.back().c_str(),
              static_cast<double>(album.bytes) / 1e6, album.folders.photoDir.c_str());
  return 0;
}
