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
#include "foundation/file_paths.h"
#include "album/registrable_file.h"
#include "album/registration_prompts.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
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

// Without a screen, an extension that is not registrable stays so; notices go
// to stderr and mark the command as refused (something asked for was not
// done).
class CliRegistrationPrompts : public RegistrationPrompts {
 public:
  explicit CliRegistrationPrompts(CliIo& io) : io_(io) {}
  ManagedTypeAnswer AskManagedType(const std::string& extension, const std::string&) override {
    io_.err << "lumidex-cli: files of type " << extension << " are not registered\n";
    refused_ = true;
    return {false, true};
  }
  void Inform(const std::string& message) override {
    io_.err << message << "\n";
    refused_ = true;
  }

  bool refused() const { return refused_; }

 private:
  CliIo& io_;
  bool refused_ = false;
};

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const auto absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  std::string text = absolute.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// Why the path `given` on the command line (absolute: `path`) cannot be
// registered, or "" when the registration can take it. A file the
// registration would pass over without a word (missing, of a type that is
// neither a picture nor a managed type, without extension) is named here,
// so the command can say what it left out.
std::string RefusalOf(const std::string& given, const std::string& path,
                      const FileTypeLists& types) {
  const bool isFile = FileExists(path);
  if (!isFile && !FolderExists(path)) return MissingFileMessage(given);
  if (!CanStoreAsKey(path)) return "登録できない名前です: " + given;
  if (isFile && !RegistrabilityCheck::HasRegistrableType(path, types, true)) {
    return "登録できない種類のファイルです: " + given;
  }
  return "";
}

int RunAdd(const std::vector<std::string>& args, CliIo& io) {
  if (args.size() < 2) return UsageError(io, kAddUsage, "add needs a date and at least one path");
  if (!IsAlbumDate(args[0])) {
    return UsageError(io, kAddUsage, "expected YYYY/MM/DD (a real day, years 1001-9998)");
  }
  // The paths are checked before the album is opened: when none can be
  // registered, the album stays exactly as it was (no page is made).
  FileTypeLists types;
  types.SetManagedTypes(ManagedTypesSetting());
  std::vector<std::string> paths;
  bool refused = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string path = AbsolutePath(args[i]);
    if (const std::string refusal = RefusalOf(args[i], path, types); !refusal.empty()) {
      Fail(io, refusal);
      refused = true;
    } else {
      paths.push_back(path);
    }
  }
  if (paths.empty()) return kExitFailed;
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, args[0]);
  if (album == nullptr) return kExitFailed;
  AlbumStore& store = *album->store;
  const std::string page = args[0].substr(5);
  const DropAction action =
      RouteDrop({DropControl::kCalendar, page, false, store.pageIndex().HasKey("DATA", page)});
  CliRegistrationPrompts prompts(io);
  EntryRegistration registration(store, album->env->types, prompts,
                                 MakeFolderSearch(album->env->types, false));
  Result<RegistrationTally> tally =
      registration.AddToPage(action.page, paths, IncomingKind::kPaths);
  const Status closed = store.Close();
  if (!tally.ok()) return Fail(io, tally.status().message());
  if (!closed.ok()) return Fail(io, closed.message());
  io.out << args[0] << "\t" << tally.value().files << "\n";
  return refused || prompts.refused() ? kExitFailed : kExitOk;
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
  auto album = OpenAlbumSession(io, AlbumAccess::kWrite, TodayText());
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
