// lumidex-cli playlist: the tracks the slide show's music plays for a page
// or one of its sub-albums, on the album of LUMIDEX_HOME (read only).
#include <ostream>

#include "album/album_store.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "slideshow/playlist.h"

namespace lumidex::cli {
namespace {

int RunPlaylist(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kPlaylistUsage =
    "  lumidex-cli playlist YYYY/MM/DD [NAME]  tracks the music of the page (or of its sub-album\n"
    "                                        NAME) plays, in order, one path per line\n";

const CliRegistration kPlaylist({"playlist", kPlaylistUsage,
                                 "list the music tracks of a page or sub-album", RunPlaylist});

int RunPlaylist(const std::vector<std::string>& args, CliIo& io) {
  if (args.empty() || args.size() > 2) {
    return UsageError(io, kPlaylistUsage,
                      "日付 YYYY/MM/DD と、必要ならサブアルバム名を指定してください");
  }
  const std::string& date = args[0];
  if (!IsAlbumDate(date)) {
    return UsageError(
        io, kPlaylistUsage,
        "'" + date + "' は日付ではありません（YYYY/MM/DD、1001〜9998年の実在する日）");
  }
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, date);
  if (!album) return kExitFailed;
  const AlbumStore& store = *album->store;
  const std::string page = date.substr(5);
  std::vector<std::string> keys;
  if (args.size() == 1) {
    keys = store.yearDocument().KeyNames(page);
  } else {
    const std::string& name = args[1];
    // A sub-album exists where its page refers to it.
    if (name.empty() || !store.yearDocument().HasKey(page, "@" + page + name)) {
      return Fail(io, "サブアルバム '" + name + "' は " + date + " のページにありません");
    }
    keys = store.subAlbumDocument().KeyNames(page + name);
  }
  for (const auto& track : BuildPlaylist(keys)) io.out << track << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
