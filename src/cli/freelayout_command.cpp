// lumidex-cli freelayout: the free layout pages of a year and the items of a
// tab, on the album of LUMIDEX_HOME (read only). Subcommands are dispatched
// in RunFreeLayout, one line each.
#include <algorithm>
#include <ostream>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "cli/freelayout_render.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/free_layout_key.h"
#include "freelayout/free_layout_tab.h"

namespace lumidex::cli {
namespace {

int RunFreeLayout(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kFreeLayoutUsage =
    "  lumidex-cli freelayout list YYYY [--album]\n"
    "        free layout pages of the year (by date, or --album by album name), sorted:\n"
    "        page<TAB>tab<TAB>caption per tab (tabs numbered from 0; caption empty where\n"
    "        the page shows no tab strip); a page without tabs prints its name alone\n"
    "  lumidex-cli freelayout show YYYY PAGE TAB [--album]\n"
    "        items of the tab in stacking order (bottom first): key<TAB>value, the key\n"
    "        as a save writes it, line breaks of the value shown as \"･･\"\n";

#ifndef LUMIDEX_CLI_NO_RENDER
const std::string kFreeLayoutHelp = std::string(kFreeLayoutUsage) + kFreeLayoutRenderUsage;
#else
const std::string kFreeLayoutHelp = kFreeLayoutUsage;
#endif

const CliRegistration kFreeLayout({"freelayout", kFreeLayoutHelp,
                                   "list free layout pages and show the items of a tab",
                                   RunFreeLayout});

// Removes `flag` from `args`; true when it was there.
bool TakeFlag(std::vector<std::string>& args, std::string_view flag) {
  auto it = std::find(args.begin(), args.end(), flag);
  if (it == args.end()) return false;
  args.erase(it);
  return true;
}

// The document of `year` kept `way`, read only; nullptr after printing why.
std::unique_ptr<FreeLayoutDocument> OpenDocument(CliIo& io, const std::string& year,
                                                 FreeLayoutWay way) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return nullptr;
  auto doc = FreeLayoutDocument::Open(album->env->folders.albumDir, std::stoi(year), way);
  if (!doc.ok()) {
    Fail(io, doc.status().message());
    return nullptr;
  }
  return std::move(doc).value();
}

int ListPages(std::vector<std::string> args, CliIo& io) {
  const FreeLayoutWay way = TakeFlag(args, "--album") ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate;
  if (args.size() != 1 || !IsAlbumYear(args[0])) {
    return UsageError(io, kFreeLayoutUsage, "freelayout list takes YYYY (1001-9998) and --album");
  }
  auto doc = OpenDocument(io, args[0], way);
  if (!doc) return kExitFailed;
  for (const auto& page : doc->PageNames()) {
    const TabStrip strip = doc->PageTabStrip(page);
    if (strip.count == 0) io.out << page << "\n";
    for (int tab = 0; tab < strip.count; ++tab) {
      const size_t k = static_cast<size_t>(tab);
      io.out << page << "\t" << tab << "\t" << (k < strip.captions.size() ? strip.captions[k] : "")
             << "\n";
    }
  }
  return kExitOk;
}

int ShowTab(std::vector<std::string> args, CliIo& io) {
  const FreeLayoutWay way = TakeFlag(args, "--album") ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate;
  const bool tabOk = args.size() == 3 && !args[2].empty() && args[2].size() <= 2 &&
                     args[2].find_first_not_of("0123456789") == std::string::npos;
  if (!tabOk || !IsAlbumYear(args[0])) {
    return UsageError(io, kFreeLayoutUsage,
                      "freelayout show takes YYYY (1001-9998), a page name, a tab number 0-99 "
                      "and --album");
  }
  auto doc = OpenDocument(io, args[0], way);
  if (!doc) return kExitFailed;
  const std::string& page = args[1];
  if (!doc->HasPage(page)) return Fail(io, "ページ '" + page + "' は " + args[0] + " にありません");
  const int tab = std::stoi(args[2]);
  if (tab >= std::max(doc->PageTabStrip(page).count, 1)) {
    return Fail(io, "タブ " + args[2] + " はページ '" + page + "' にありません");
  }
  const TabLoad load = doc->LoadTab(page, tab);
  if (!load.problems.empty()) io.err << "lumidex-cli: " << UnreadableItemsMessage(load.problems) << "\n";
  // The lines a save would write: keys made distinct, breaks stored as "･･".
  Result<std::vector<std::string>> lines = ReplaceTabItems({}, tab, load.items);
  if (!lines.ok()) return Fail(io, lines.status().message());
  for (const auto& line : lines.value()) {
    io.out << line.substr(0, kItemKeyLength) << "\t" << line.substr(kItemKeyLength + 1) << "\n";
  }
  return kExitOk;
}

int RunFreeLayout(const std::vector<std::string>& args, CliIo& io) {
  const std::string subcommand = args.empty() ? std::string() : args[0];
  std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  if (subcommand == "list") return ListPages(std::move(rest), io);
  if (subcommand == "show") return ShowTab(std::move(rest), io);
#ifndef LUMIDEX_CLI_NO_RENDER
  if (subcommand == "render") return RunFreeLayoutRender(rest, io);
#endif
  return UsageError(io, kFreeLayoutHelp, "freelayout takes list, show or render");
}

}  // namespace
}  // namespace lumidex::cli
