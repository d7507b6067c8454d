#include "cli/freelayout_search.h"

#include <algorithm>
#include <ostream>

#include "cli/album_session.h"
#include "freelayout/free_layout_catalogue.h"

namespace lumidex::cli {

int RunFreeLayoutSearch(std::vector<std::string> args, CliIo& io) {
  const auto albumFlag = std::find(args.begin(), args.end(), "--album");
  const bool albums = albumFlag != args.end();
  if (albums) args.erase(albumFlag);
  if (args.size() != 1 || args[0].empty()) {
    return UsageError(io, kFreeLayoutSearchUsage, "freelayout search takes a non-empty TEXT and --album");
  }
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return kExitFailed;
  const FreeLayoutWay way = albums ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate;
  const auto documents = ReadCatalogueDocuments(album->env->folders.albumDir, way, std::nullopt);
  const auto hits = albums ? FindAlbumHits(documents, args[0]) : FindTitleHits(documents, args[0]);
  for (const CatalogueHit& hit : hits) io.out << hit.year << "\t" << hit.page << "\t" << hit.title << "\n";
  return kExitOk;
}

}  // namespace lumidex::cli
