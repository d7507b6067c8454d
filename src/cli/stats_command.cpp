// lumidex-cli stats and page-use: the counts of the album list window and
// the use of a page in other years, on the album of LUMIDEX_HOME (read only).
#include <algorithm>
#include <ostream>

#include "album/album_store.h"
#include "album/album_text.h"
#include "album/page_counts.h"
#include "album/year_counts.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"

namespace lumidex::cli {
namespace {

int RunStats(const std::vector<std::string>& args, CliIo& io);
int RunPageUse(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kStatsUsage =
    "  lumidex-cli stats [YYYY]              every year with its counts; with YYYY its pages\n"
    "                                        (\"03/15 （12枚） （1冊 - 4枚）\") and then its\n"
    "                                        sub-albums (\"YYYY/03/15 > name\"), locked pages left out\n";
constexpr const char* kPageUseUsage =
    "  lumidex-cli page-use MM/DD YYYY       the page's counts in every year but YYYY, one line each\n";

const CliRegistration kStats({"stats", kStatsUsage, "print the counts of the album list", RunStats});
const CliRegistration kPageUse({"page-use", kPageUseUsage, "print the use of a page in other years", RunPageUse});

bool IsYear(const std::string& text) {
  return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int PrintYears(CliIo& io) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return kExitFailed;
  std::vector<std::string> rows;
  for (const auto& file : album->store->yearIndex().YearFiles()) {
    const std::string year = file.substr(0, 4);
    Result<YearCounts> counts = CountYear(*album->store, year);
    if (!counts.ok()) return Fail(io, counts.status().message());
    rows.push_back(YearListText(year, counts.value()));
  }
  std::sort(rows.begin(), rows.end());
  for (const auto& row : rows) io.out << row << "\n";
  return kExitOk;
}

int PrintYear(CliIo& io, const std::string& year) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, year);
  if (!album) return kExitFailed;
  const AlbumStore& store = *album->store;
  std::vector<std::string> pages, subAlbums;
  for (const std::string& section : store.yearDocument().SectionNames()) {
    if (section.size() != 5 || store.IsPageLocked(year, section)) continue;
    pages.push_back(PageListText(section, CountPage(store.yearDocument(), store.subAlbumDocument(), section)));
    for (const std::string& line : store.yearDocument().SectionLines(section)) {
      const std::string_view name = EntryNameOf(line);
      if (IsSubAlbumEntry(name) && name.size() > 6) {
        subAlbums.push_back(year + "/" + section + " > " + std::string(SubAlbumNameOf(name.substr(1))));
      }
    }
  }
  std::sort(pages.begin(), pages.end());
  std::sort(subAlbums.begin(), subAlbums.end());
  for (const auto& row : pages) io.out << row << "\n";
  for (const auto& row : subAlbums) io.out << row << "\n";
  return kExitOk;
}

int RunStats(const std::vector<std::string>& args, CliIo& io) {
  if (args.empty()) return PrintYears(io);
  if (args.size() == 1 && IsYear(args[0])) return PrintYear(io, args[0]);
  return UsageError(io, kStatsUsage, "年 YYYY を一つだけ指定してください");
}

int RunPageUse(const std::vector<std::string>& args, CliIo& io) {
  // Any day of the calendar names a page, 02/29 too (a leap year checks it).
  if (args.size() != 2 || !IsYear(args[1]) || !IsAlbumDate("2000/" + args[0])) {
    return UsageError(io, kPageUseUsage, "ページ MM/DD と年 YYYY を指定してください");
  }
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return kExitFailed;
  Result<std::string> text = PageUseText(*album->store, args[0], args[1]);
  if (!text.ok()) return Fail(io, text.status().message());
  std::string lines = text.value();
  for (size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at)) lines.erase(at, 1);
  io.out << (lines.empty() ? "なし" : lines) << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
