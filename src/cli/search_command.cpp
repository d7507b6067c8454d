// lumidex-cli search: the album's picture search (file names, folders,
// sub-album names, comments; width and kana folding) on the album of
// LUMIDEX_HOME, read only.
#include <ostream>

#include "album/album_search.h"
#include "album/album_store.h"
#include "album/year_index.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "foundation/text_codec.h"

namespace lumidex::cli {
namespace {

int RunSearch(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kSearchUsage =
    "  lumidex-cli search TEXT [--names] [--folders] [--subalbums] [--comments]\n"
    "                     [--ignore-width] [--ignore-kana] [--year YYYY]\n"
    "                                        the album's pictures whose file name, folder, sub-album\n"
    "                                        name or comment holds TEXT (all four when none is named),\n"
    "                                        one per line: yyyy/mm/dd TAB sub-album TAB path TAB comment\n";

const CliRegistration kSearch({"search", kSearchUsage, "search the album by name, folder or comment", RunSearch});

// Lines of the output are tab-separated: a tab or line break inside a
// field would split it.
std::string Field(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

int RunSearch(const std::vector<std::string>& args, CliIo& io) {
  SearchRequest request;
  std::string onlyYear;
  bool haveText = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--names") {
      request.targets.fileNames = true;
    } else if (arg == "--folders") {
      request.targets.folders = true;
    } else if (arg == "--subalbums") {
      request.targets.subAlbums = true;
    } else if (arg == "--comments") {
      request.targets.comments = true;
    } else if (arg == "--ignore-width") {
      request.options.ignoreWidth = true;
    } else if (arg == "--ignore-kana") {
      request.options.ignoreKana = true;
    } else if (arg == "--year" && i + 1 < args.size()) {
      onlyYear = args[++i];
      if (onlyYear.size() != 4 || onlyYear.find_first_not_of("0123456789") != std::string::npos) {
        return UsageError(io, kSearchUsage, "'" + onlyYear + "' は年ではありません（YYYY）");
      }
    } else if (!haveText && (arg.empty() || arg[0] != '-')) {
      request.text = arg;
      haveText = true;
    } else {
      return UsageError(io, kSearchUsage, "'" + arg + "' は使えません");
    }
  }
  if (request.text.empty()) return UsageError(io, kSearchUsage, "検索する内容を指定してください");
  if (!IsValidUtf8(request.text)) return UsageError(io, kSearchUsage, "検索する内容が UTF-8 ではありません");
  if (!request.targets.any()) request.targets = {true, true, true, true};

  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return kExitFailed;
  const std::string& photoDir = album->env->folders.photoDir;
  std::vector<std::string> years;
  for (const std::string& file : YearIndex::ListYearFiles(photoDir)) {
    const std::string year = file.substr(0, 4);
    if (onlyYear.empty() || year == onlyYear) years.push_back(year);
  }
  const AlbumStore& store = *album->store;
  SilentOperation progress;
  const SearchOutcome outcome = SearchAlbum(
      photoDir, years, [&](std::string_view year, std::string_view page) { return store.IsPageLocked(year, page); },
      request, progress);
  for (const std::string& problem : outcome.problems) io.err << "lumidex-cli: " << problem << "\n";
  for (const SearchHit& hit : outcome.hits) {
    io.out << hit.date << '\t' << Field(hit.subAlbum) << '\t' << Field(hit.Path()) << '\t' << Field(hit.comment)
           << '\n';
  }
  io.err << SearchResultMessage(request.text, outcome.hits.size()) << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
