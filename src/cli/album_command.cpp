// lumidex-cli list, page and subalbum: the album's years, pages and entries,
// and the page and sub-album operations, on the album of LUMIDEX_HOME.
#include <memory>
#include <optional>
#include <ostream>

#include "album/album_prompts.h"
#include "album/album_store.h"
#include "album/album_text.h"
#include "album/page_operations.h"
#include "album/year_counts.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "cli/managed_types_setting.h"
#include "foundation/app_environment.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunList(const std::vector<std::string>& args, CliIo& io);
int RunPage(const std::vector<std::string>& args, CliIo& io);
int RunSubAlbum(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kListUsage =
    "  lumidex-cli list                      years with a year document, with their counts\n"
    "  lumidex-cli list YYYY [--all]         pages used in the year (--all: every page):\n"
    "                                        mm/dd TAB images TAB sub-albums TAB sub-album images TAB cover\n"
    "  lumidex-cli list YYYY/MM/DD [NAME]    entries of the page (or of its sub-album NAME), name=comment\n";
constexpr const char* kPageUsage =
    "  lumidex-cli page create MM/DD         add the page to the page index\n"
    "  lumidex-cli page delete YYYY/MM/DD --yes   delete the page of that year\n";
constexpr const char* kSubAlbumUsage =
    "  lumidex-cli subalbum create YYYY/MM/DD NAME   add the sub-album NAME to the page\n";

const CliRegistration kList({"list", kListUsage, "list years, pages or entries of the album", RunList});
const CliRegistration kPage({"page", kPageUsage, "create or delete a page", RunPage});
const CliRegistration kSubAlbum({"subalbum", kSubAlbumUsage, "create a sub-album", RunSubAlbum});

// Answers the operations' questions from the command line: Yes only with
// --yes; names from the arguments; messages go to stderr and mark the
// command as refused.
class CliPrompts : public AlbumPrompts {
 public:
  CliPrompts(CliIo& io, bool yes, std::optional<std::string> name)
      : io_(io), yes_(yes), name_(std::move(name)) {}

  bool Confirm(const std::string& message, const std::string& caption) override {
    if (yes_) return true;
    io_.err << caption << ": " << message << "\n" << "lumidex-cli: not confirmed (add --yes)\n";
    refused_ = true;
    return false;
  }
  void Inform(const std::string& message) override {
    io_.err << message << "\n";
    refused_ = true;
  }
  std::optional<std::string> AskName(const NameRequest&) override { return name_; }
  void PlayStartSound() override {}
  void OpenWithSystem(const std::string&) override {}
  void ExploreFolder(const std::string&) override {}

  bool refused() const { return refused_; }

 private:
  CliIo& io_;
  const bool yes_;
  const std::optional<std::string> name_;
  bool refused_ = false;
};

// Ends a changing command: saves what the store holds and maps the outcome
// to the exit code.
int Finish(CliIo& io, AlbumStore& store, const Status& operation, const CliPrompts& prompts) {
  const Status closed = store.Close();
  if (!operation.ok()) return Fail(io, operation.message());
  if (!closed.ok()) return Fail(io, closed.message());
  return prompts.refused() ? kExitFailed : kExitOk;
}

int ListYears(CliIo& io) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return kExitFailed;
  // A year that cannot be read is named, never listed as empty.
  int exitCode = kExitOk;
  for (const auto& file : album->store->yearIndex().YearFiles()) {
    const std::string year = file.substr(0, 4);
    Result<YearCounts> counts = CountYear(*album->store, year);
    if (counts.ok()) {
      io.out << YearListText(year, counts.value()) << "\n";
    } else {
      exitCode = Fail(io, counts.status().message());
    }
  }
  return exitCode;
}

int ListPages(CliIo& io, const std::string& year, bool all) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, year);
  if (!album) return kExitFailed;
  AlbumStore& store = *album->store;
  for (const auto& line : store.PageList(all)) {
    const std::string page = line.substr(0, 5);
    const GRPDATA* summary = store.FindSummary(page);
    const GRPDATA counts = summary != nullptr ? *summary : GRPDATA{};
    io.out << page << "\t" << counts.imageCount << "\t" << counts.subAlbumCount << "\t"
           << counts.subAlbumImageCount << "\t" << store.PageCover(page, line.substr(6)).cover << "\n";
  }
  return kExitOk;
}

int ListEntries(CliIo& io, const std::string& date, const std::optional<std::string>& name) {
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, date);
  if (!album) return kExitFailed;
  const std::string page = date.substr(5);
  const TMemIniFile& doc = name ? album->store->subAlbumDocument() : album->store->yearDocument();
  for (const auto& line : doc.SectionLines(page + name.value_or(""))) io.out << line << "\n";
  return kExitOk;
}

int RunList(const std::vector<std::string>& args, CliIo& io) {
  if (args.empty()) return ListYears(io);
  if (IsAlbumYear(args[0])) {
    if (args.size() == 1) return ListPages(io, args[0], false);
    if (args.size() == 2 && args[1] == "--all") return ListPages(io, args[0], true);
    return UsageError(io, kListUsage, "list YYYY takes only --all");
  }
  if (IsAlbumDate(args[0]) && args.size() <= 2) {
    return ListEntries(io, args[0], args.size() == 2 ? std::optional(args[1]) : std::nullopt);
  }
  return UsageError(io, kListUsage, "expected YYYY or YYYY/MM/DD (a real day, years 1001-9998)");
}

int RunPage(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() == 2 && args[0] == "create") {
    if (!IsAlbumPage(args[1])) return UsageError(io, kPageUsage, "expected MM/DD (a real day)");
    auto album = OpenAlbumSession(io, AlbumAccess::kWrite, "");
    if (!album) return kExitFailed;
    CliPrompts prompts(io, false, std::nullopt);
    PageOperations operations(*album->store, prompts);
    return Finish(io, *album->store, operations.CreatePage(args[1]), prompts);
  }
  if ((args.size() == 2 || args.size() == 3) && args[0] == "delete") {
    if (!IsAlbumDate(args[1])) {
      return UsageError(io, kPageUsage, "expected YYYY/MM/DD (a real day, years 1001-9998)");
    }
    if (args.size() == 3 && args[2] != "--yes") return UsageError(io, kPageUsage, "unknown option");
    auto album = OpenAlbumSession(io, AlbumAccess::kWrite, args[1]);
    if (!album) return kExitFailed;
    const std::string page = args[1].substr(5);
    if (!album->store->pageIndex().HasKey("DATA", page)) return Fail(io, "no page " + page);
    CliPrompts prompts(io, args.size() == 3, std::nullopt);
    PageOperations operations(*album->store, prompts);
    return Finish(io, *album->store, operations.DeleteCalendarPage(page), prompts);
  }
  return UsageError(io, kPageUsage, "expected create MM/DD or delete YYYY/MM/DD --yes");
}

int RunSubAlbum(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() != 3 || args[0] != "create" || !IsAlbumDate(args[1])) {
    return UsageError(io, kSubAlbumUsage, "expected create YYYY/MM/DD NAME");
  }
  if (args[2].empty()) return UsageError(io, kSubAlbumUsage, "the name must not be empty");
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, args[1]);
  if (!album) return kExitFailed;
  const std::string page = args[1].substr(5);
  if (!album->store->pageIndex().HasKey("DATA", page)) return Fail(io, "no page " + page);
  CliPrompts prompts(io, false, args[2]);
  PageOperations operations(*album->store, prompts);
  return Finish(io, *album->store, operations.CreateSubAlbum(page), prompts);
}

}  // namespace
}  // namespace lumidex::cli
