// lumidex-cli add and auto-register: registering files on a page as a drop
// on that day does, and automatic registration of a folder by date, on the
// album of LUMIDEX_HOME.
#include <ctime>
#include <filesystem>
#include <memory>
#include <ostream>

#include "album/album_store.h"
#include "album/album_text.h"
#include "album/drop_target.h"
#include "album/entry_registration.h"
#include "album/registration_prompts.h"
#include "cli/cli_command.h"
#include "cli/managed_types_setting.h"
#include "filetools/auto_registration.h"
#include "filetools/folder_search.h"
#include "foundation/app_environment.h"
#include "foundation/long_operation.h"
#include "platform/environment.h"

namespace lumidex::cli {
namespace {

int RunAdd(const std::vector<std::string>& args, CliIo& io);
int RunAutoRegister(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kAddUsage =
    "  lumidex-cli add YYYY/MM/DD PATH...    register files and folders on the page of that day\n"
    "                                        (as a drop on the day; the page is created when "
    "missing)\n";
constexpr const char* kAutoUsage =
    "  lumidex-cli auto-register DIR [--exif-dates] [--subalbums-by-folder] [--root-folder-too] "
    "[--hidden]\n"
    "                                        register every picture below DIR on the page of its "
    "date;\n"
    "                                        prints yyyy/mm/dd TAB entries added, per page\n";

const CliRegistration kAdd({"add", kAddUsage, "register files on a page", RunAdd});
const CliRegistration kAuto({"auto-register", kAutoUsage,
                             "register a folder's pictures by shooting or file date",
                             RunAutoRegister});

int Fail(CliIo& io, std::string_view message) {
  io.err << "lumidex-cli: " << message << "\n";
  return kExitFailed;
}

// "yyyy/mm/dd" with a month 1-12 and a day 1-31.
bool IsDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '/' ||
      text.substr(0, 4).find_first_not_of("0123456789") != std::string_view::npos ||
      !IsPageKey(text.substr(5))) {
    return false;
  }
  const int month = (text[5] - '0') * 10 + (text[6] - '0');
  const int day = (text[8] - '0') * 10 + (text[9] - '0');
  return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

// Without a screen, an extension that is not registrable stays so; notices go
// to stderr.
class CliRegistrationPrompts : public RegistrationPrompts {
 public:
  explicit CliRegistrationPrompts(CliIo& io) : io_(io) {}
  ManagedTypeAnswer AskManagedType(const std::string& extension, const std::string&) override {
    io_.err << "lumidex-cli: files of type " << extension << " are not registered\n";
    return {false, true};
  }
  void Inform(const std::string& message) override { io_.err << message << "\n"; }

 private:
  CliIo& io_;
};

struct OpenAlbum {
  std::unique_ptr<AppEnvironment> env;
  std::unique_ptr<AlbumStore> store;
};

// The album of this user showing the year of `date`; prints the error and
// returns nullptr on failure.
std::unique_ptr<OpenAlbum> Open(CliIo& io, std::string_view date) {
  auto env = AppEnvironment::Open(platform::ApplicationBaseFolder(), platform::LoginName());
  if (!env.ok()) {
    Fail(io, env.status().message());
    return nullptr;
  }
  auto album = std::make_unique<OpenAlbum>();
  album->env = std::move(env).value();
  album->env->types.SetManagedTypes(ManagedTypesSetting());
  album->store = std::make_unique<AlbumStore>(album->env->folders, album->env->types,
                                              *album->env->pageIndex, *album->env->lockList);
  if (Status s = album->store->SwitchYear(date); !s.ok()) {
    Fail(io, s.message());
    return nullptr;
  }
  album->store->RebuildSummaries();
  return album;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

int RunAdd(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() < 2) return UsageError(io, kAddUsage, "add needs a date and at least one path");
  if (!IsDate(args[0])) return UsageError(io, kAddUsage, "expected YYYY/MM/DD");
  auto album = Open(io, args[0]);
  if (album == nullptr) return kExitFailed;
  AlbumStore& store = *album->store;
  const std::string page = args[0].substr(5);
  const DropAction action =
      RouteDrop({DropControl::kCalendar, page, false, store.pageIndex().HasKey("DATA", page)});
  std::vector<std::string> paths;
  for (size_t i = 1; i < args.size(); ++i) paths.push_back(AbsolutePath(args[i]));
  CliRegistrationPrompts prompts(io);
  EntryRegistration registration(store, album->env->types, prompts,
                                 MakeFolderSearch(album->env->types, false));
  Result<RegistrationTally> tally =
      registration.AddToPage(action.page, paths, IncomingKind::kPaths);
  const Status closed = store.Close();
  if (!tally.ok()) return Fail(io, tally.status().message());
  if (!closed.ok()) return Fail(io, closed.message());
  io.out << args[0] << "\t" << tally.value().files << "\n";
  return kExitOk;
}

std::string TodayText() {
  const time_t now = std::time(nullptr);
  struct tm local {};
  localtime_r(&now, &local);
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return text;
}

int RunAutoRegister(const std::vector<std::string>& args, CliIo& io) {
  AutoRegisterOptions options;
  std::string root;
  for (const auto& arg : args) {
    if (arg == "--exif-dates") {
      options.exifDates = true;
    } else if (arg == "--subalbums-by-folder") {
      options.subAlbumsByFolder = true;
    } else if (arg == "--root-folder-too") {
      options.rootFolderToo = true;
    } else if (arg == "--hidden") {
      options.includeHidden = true;
    } else if (arg.starts_with("--") || !root.empty()) {
      return UsageError(io, kAutoUsage, "unknown argument " + arg);
    } else {
      root = arg;
    }
  }
  if (root.empty()) return UsageError(io, kAutoUsage, "auto-register needs a folder");
  auto album = Open(io, TodayText());
  if (album == nullptr) return kExitFailed;
  SilentOperation progress;
  AutoRegistration registration(*album->store, album->env->types);
  Result<AutoRegisterReport> report = registration.Run(AbsolutePath(root), options, progress);
  const Status closed = album->store->Close();
  if (!report.ok()) return Fail(io, report.status().message());
  for (const auto& [date, count] : report.value().addedPerDate)
    io.out << date << "\t" << count << "\n";
  io.err << HitFilesText(report.value().hitFiles) << "\n";
  if (report.value().unstorable > 0)
    io.err << UnstorablePathsMessage(report.value().unstorable) << "\n";
  if (const std::string skipped = SkippedFilesMessage(report.value()); !skipped.empty())
    io.err << skipped << "\n";
  for (const auto& message : report.value().saveErrors) io.err << message << "\n";
  if (!closed.ok()) return Fail(io, closed.message());
  // A year that could not be read lost its files: the run is incomplete.
  const bool complete = report.value().saveErrors.empty() && report.value().readErrors.empty();
  return complete ? kExitOk : kExitFailed;
}

}  // namespace
}  // namespace lumidex::cli
