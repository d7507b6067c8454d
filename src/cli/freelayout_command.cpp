// lumidex-cli freelayout: the free layout pages of a year and the items of a
// tab, on the album of LUMIDEX_HOME; add-picture and add-text add an item to
// a tab (under the album writer lock) through the operations the canvas uses.
// Subcommands are dispatched in RunFreeLayout, one line each.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "cli/freelayout_render.h"
#include "cli/freelayout_search.h"
#include "album/album_text.h"
#include "foundation/file_types.h"
#include "freelayout/free_layout_clipboard.h"
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
const std::string kFreeLayoutHelp = std::string(kFreeLayoutUsage) + kFreeLayoutSearchUsage + kFreeLayoutRenderUsage;
#else
const std::string kFreeLayoutHelp = std::string(kFreeLayoutUsage) + kFreeLayoutSearchUsage;
#endif

const CliRegistration kFreeLayout({"freelayout", kFreeLayoutHelp,
                                   "list free layout pages, show and add the items of a tab",
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

// The value of `option` ("--at 10,20") as two numbers 0-9999, taken out of
// `args`; `fallback` when it is absent; nothing when it does not read.
std::optional<std::pair<int, int>> TakePair(std::vector<std::string>& args, std::string_view option,
                                            std::pair<int, int> fallback) {
  auto it = std::find(args.begin(), args.end(), option);
  if (it == args.end()) return fallback;
  if (it + 1 == args.end()) return std::nullopt;
  const std::string text = *(it + 1);
  args.erase(it, it + 2);
  const size_t comma = text.find(',');
  auto number = [](std::string_view digits) -> std::optional<int> {
    if (digits.empty() || digits.size() > 4 || digits.find_first_not_of("0123456789") != std::string::npos) {
      return std::nullopt;
    }
    return std::stoi(std::string(digits));
  };
  if (comma == std::string::npos) return std::nullopt;
  const auto a = number(std::string_view(text).substr(0, comma));
  const auto b = number(std::string_view(text).substr(comma + 1));
  if (!a || !b) return std::nullopt;
  return std::make_pair(*a, *b);
}

// add-picture and add-text: the new item as the canvas makes it at the paste
// point, on the 730 x 364 canvas where a pixel is a layout unit, then saved
// on top of the tab.
int AddItem(std::vector<std::string> args, CliIo& io, bool picture) {
  const char* usage = picture ? "freelayout add-picture takes YYYY PAGE TAB FILE [--at X,Y] [--size W,H] [--album]"
                              : "freelayout add-text takes YYYY PAGE TAB TEXT [--at X,Y] [--size W,H] [--album]";
  const FreeLayoutWay way = TakeFlag(args, "--album") ? FreeLayoutWay::kByAlbum : FreeLayoutWay::kByDate;
  const auto at = TakePair(args, "--at", {0, 0});
  const auto size = TakePair(args, "--size", {0, 0});
  const bool tabOk = args.size() == 4 && !args[2].empty() && args[2].size() <= 2 &&
                     args[2].find_first_not_of("0123456789") == std::string::npos;
  if (!tabOk || !at || !size || !IsAlbumYear(args[0])) return UsageError(io, kFreeLayoutUsage, usage);
  const std::string& page = args[1];
  if (way == FreeLayoutWay::kByDate && !IsPageKey(page)) {
    return UsageError(io, kFreeLayoutUsage, "by date a page is named mm/dd");
  }
  std::string value = args[3];
  if (picture) {
    if (!value.starts_with("/")) value = std::filesystem::absolute(value).lexically_normal().string();
    std::error_code error;
    if (!std::filesystem::is_regular_file(value, error)) return Fail(io, "ファイル " + value + " がありません");
    if (!FileTypeLists::IsImageType(ExtensionOf(value))) return Fail(io, value + " は画像ファイルではありません");
  } else if (value.size() > kLongestNewText) {
    return Fail(io, "テキストが長すぎます (" + std::to_string(kLongestNewText) + " バイトまで)");
  }

  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, "");
  if (!album) return kExitFailed;
  auto opened = FreeLayoutDocument::Open(album->env->folders.albumDir, std::stoi(args[0]), way);
  if (!opened.ok()) return Fail(io, opened.status().message());
  FreeLayoutDocument& doc = *opened.value();
  const int tab = std::stoi(args[2]);
  const int tabs = doc.HasPage(page) ? std::max(doc.PageTabStrip(page).count, 1) : 1;
  if (tab > tabs || (tab == tabs && !doc.HasPage(page))) {
    return Fail(io, "タブ " + args[2] + " はページ '" + page + "' にありません");
  }
  const LayoutScale unitCanvas(kLayoutUnitsWide, kLayoutUnitsHigh);
  FreeLayoutItem item = picture ? NewPictureItems({value}, at->first, at->second, unitCanvas).front()
                                : NewTextItem(value, at->first, at->second, unitCanvas);
  if (size->first > 0 && size->second > 0) {
    item.width = size->first;
    item.height = size->second;
  }
  std::vector<FreeLayoutItem> items = doc.LoadTab(page, tab).items;
  items.push_back(item);
  Result<TabSaveOutcome> saved = doc.SaveTab(page, tab, items);
  if (!saved.ok()) return Fail(io, saved.status().message());
  Result<std::vector<std::string>> lines = ReplaceTabItems({}, tab, doc.LoadTab(page, tab).items);
  if (lines.ok() && !lines.value().empty()) {
    const std::string& line = lines.value().back();
    io.out << line.substr(0, kItemKeyLength) << "\t" << line.substr(kItemKeyLength + 1) << "\n";
  }
  return kExitOk;
}

int RunFreeLayout(const std::vector<std::string>& args, CliIo& io) {
  const std::string subcommand = args.empty() ? std::string() : args[0];
  std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  if (subcommand == "list") return ListPages(std::move(rest), io);
  if (subcommand == "show") return ShowTab(std::move(rest), io);
  if (subcommand == "search") return RunFreeLayoutSearch(std::move(rest), io);
  if (subcommand == "add-picture") return AddItem(std::move(rest), io, true);
  if (subcommand == "add-text") return AddItem(std::move(rest), io, false);
#ifndef LUMIDEX_CLI_NO_RENDER
  if (subcommand == "render") return RunFreeLayoutRender(rest, io);
#endif
  return UsageError(io, kFreeLayoutHelp, "freelayout takes list, show, render, add-picture or add-text");
}

}  // namespace
}  // namespace lumidex::cli
