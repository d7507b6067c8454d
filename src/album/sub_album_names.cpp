#include "album/sub_album_names.h"

#include <unordered_set>

#include "album/album_store.h"
#include "album/album_text.h"
#include "foundation/text_compare.h"

namespace lumidex {

std::vector<std::string> SubAlbumNameChoices(AlbumStore& store) {
  std::vector<std::string> names;
  std::unordered_set<std::string> seen;
  auto addFrom = [&](const TMemIniFile& doc) {
    for (const auto& section : doc.SectionNames()) {
      const std::string name(SubAlbumNameOf(section));
      if (!name.empty() && seen.insert(FoldAscii(name)).second) names.push_back(name);
    }
  };
  for (const auto& file : store.yearIndex().YearFiles()) {
    const std::string year = file.substr(0, 4);
    if (store.HasYear() && year == store.loadedYear()) {
      addFrom(store.subAlbumDocument());
      continue;
    }
    auto doc = TMemIniFile::Open(store.folders().photoDir + year + "S.ini", store.fileStore());
    if (doc.ok()) addFrom(*doc.value());
  }
  return names;
}

}  // namespace lumidex
