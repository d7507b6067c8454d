// lumidex-cli favourites: the favourites of a year, adding an entry of a
// page or of one of its sub-albums, and deleting one; on the album of
// LUMIDEX_HOME.
#include <optional>
#include <ostream>

#include "album/album_store.h"
#include "album/album_text.h"
#include "album/favourites.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"

namespace lumidex::cli {
namespace {

int RunFavourites(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kFavouritesUsage =
    "  lumidex-cli favourites YYYY           the year's favourites: page TAB sub-album TAB path\n"
    "                                        (or \"@\" + sub-album for a sub-album)\n"
    "  lumidex-cli favourites add YYYY/MM/DD PATH\n"
    "                                        adds PATH, an entry of the page or of one of its\n"
    "                                        sub-albums (\"@MM/DDname\" for a sub-album itself)\n"
    "  lumidex-cli favourites delete YYYY/MM/DD PATH\n"
    "                                        deletes the favourite PATH of the page\n";

const CliRegistration kFavourites({"favourites", kFavouritesUsage, "list, add and delete favourites",
                                   RunFavourites});

std::unique_ptr<TMemIniFile> OpenFavourites(CliIo& io, const AlbumSession& album, std::string_view year) {
  auto doc = TMemIniFile::Open(FavouritesFile(album.env->folders.myPhotoDir, year));
  if (!doc.ok()) {
    Fail(io, doc.status().message());
    return nullptr;
  }
  return std::move(doc).value();
}

int List(CliIo& io, const std::string& year) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, year);
  if (!album) return kExitFailed;
  auto doc = OpenFavourites(io, *album, year);
  if (!doc) return kExitFailed;
  const AlbumStore& store = *album->store;
  const auto locked = [&](std::string_view page) { return store.IsPageLocked(year, page); };
  for (const FavouriteRow& row : FavouriteRows(*doc, "", locked)) {
    io.out << row.DateColumn() << '\t' << row.SubAlbumColumn() << '\t' << row.key << '\n';
  }
  return kExitOk;
}

// Adds `path` as a favourite of the page of `date`: an entry of the page, or
// of one of the page's sub-albums.
int Add(CliIo& io, const std::string& date, const std::string& path) {
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, date);
  if (!album) return kExitFailed;
  const std::string year = date.substr(0, 4), page = date.substr(5);
  const AlbumStore& store = *album->store;
  if (store.IsPageLocked(year, page)) return Fail(io, date + " のページはロックされています");
  auto doc = OpenFavourites(io, *album, year);
  if (!doc) return kExitFailed;
  const auto find = [&](const std::vector<std::string>& lines) -> std::optional<std::string> {
    for (const std::string& line : lines) {
      if (EntryNameOf(line) == path) return line;
    }
    return std::nullopt;
  };
  const std::vector<std::string> pageLines = store.yearDocument().SectionLines(page);
  std::string subAlbum;  // the sub-album holding `path`; "" when the page does
  std::optional<std::string> line = find(pageLines);
  for (size_t i = 0; !line && i < pageLines.size(); ++i) {
    const std::string_view name = EntryNameOf(pageLines[i]);
    if (!IsSubAlbumEntry(name)) continue;
    subAlbum = std::string(name.substr(1));
    line = find(store.subAlbumDocument().SectionLines(subAlbum));
  }
  if (!line) return Fail(io, "'" + path + "' は " + date + " のページにありません");
  AddFavourites(*doc, page, subAlbum, {*line});
  const Status saved = doc->Save();
  return saved.ok() ? kExitOk : Fail(io, saved.message());
}

int Delete(CliIo& io, const std::string& date, const std::string& path) {
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, date);
  if (!album) return kExitFailed;
  const std::string year = date.substr(0, 4), page = date.substr(5);
  auto doc = OpenFavourites(io, *album, year);
  if (!doc) return kExitFailed;
  for (const FavouriteRow& row : FavouriteRows(*doc, page)) {
    if (row.key != path) continue;
    DeleteFavourites(*doc, {row});
    const Status saved = doc->Save();
    return saved.ok() ? kExitOk : Fail(io, saved.message());
  }
  return Fail(io, "'" + path + "' は " + date + " のお気に入りにありません");
}

int RunFavourites(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() == 1 && args[0].size() == 4 && IsAlbumDate(args[0] + "/01/01")) return List(io, args[0]);
  if (args.size() == 3 && (args[0] == "add" || args[0] == "delete")) {
    if (!IsAlbumDate(args[1])) {
      return UsageError(io, kFavouritesUsage, "'" + args[1] + "' は日付ではありません（YYYY/MM/DD）");
    }
    return args[0] == "add" ? Add(io, args[1], args[2]) : Delete(io, args[1], args[2]);
  }
  return UsageError(io, kFavouritesUsage, "年 YYYY、または add/delete と日付とパスを指定してください");
}

}  // namespace
}  // namespace lumidex::cli
