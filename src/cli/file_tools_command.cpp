// lumidex-cli organise and set-file-dates: the organiser that sorts a folder's
// pictures into dated folders, and registration dates written to the files'
// last-write times.
#include <filesystem>
#include <ostream>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "cli/file_tool_prompts.h"
#include "filetools/file_dates.h"
#include "filetools/file_organiser.h"
#include "foundation/file_paths.h"
#include "foundation/long_operation.h"

namespace lumidex::cli {
namespace {

int RunOrganise(const std::vector<std::string>& args, CliIo& io);
int RunSetFileDates(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kOrganiseUsage =
    "  lumidex-cli organise SRC DEST [--unit year|month|day] [--exif-dates] [--rename] [--move]\n"
    "                       [--remove-emptied] [--no-subfolders]\n"
    "                                        copy (or move) every picture below SRC into\n"
    "                                        DEST/yyyy[mm[dd]]/, optionally named by its date;\n"
    "                                        prints SOURCE TAB TARGET per file\n";
constexpr const char* kFileDatesUsage =
    "  lumidex-cli set-file-dates YYYY[/MM/DD] [--seconds]\n"
    "                                        give the files of a year or page their page's date\n"
    "                                        as last-write time (time of day kept);\n"
    "                                        prints PATH TAB new time per file\n";

const CliRegistration kOrganise({"organise", kOrganiseUsage,
                                 "sort a folder's pictures into dated folders", RunOrganise});
const CliRegistration kFileDates({"set-file-dates", kFileDatesUsage,
                                  "set file dates from registration dates", RunSetFileDates});

std::string Absolute(const std::string& path) {
  return WithoutTrailingSlash(std::filesystem::absolute(path).lexically_normal().string());
}

int RunOrganise(const std::vector<std::string>& args, CliIo& io) {
  OrganiseOptions options;
  std::vector<std::string> folders;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--unit" && i + 1 < args.size()) {
      const std::string& unit = args[++i];
      if (unit == "year") {
        options.unit = OrganiseUnit::kYear;
      } else if (unit == "month") {
        options.unit = OrganiseUnit::kMonth;
      } else if (unit == "day") {
        options.unit = OrganiseUnit::kDay;
      } else {
        return UsageError(io, kOrganiseUsage, "--unit takes year, month or day");
      }
    } else if (arg == "--exif-dates") {
      options.exifDates = true;
    } else if (arg == "--rename") {
      options.renameToDate = true;
    } else if (arg == "--move") {
      options.move = true;
    } else if (arg == "--remove-emptied") {
      options.removeEmptied = true;
    } else if (arg == "--no-subfolders") {
      options.withSubfolders = false;
    } else if (arg.starts_with("--")) {
      return UsageError(io, kOrganiseUsage, "unknown argument " + arg);
    } else {
      folders.push_back(arg);
    }
  }
  if (folders.size() != 2) return UsageError(io, kOrganiseUsage, "organise needs SRC and DEST");
  if (options.removeEmptied && !options.move) {
    return UsageError(io, kOrganiseUsage, "--remove-emptied needs --move");
  }
  options.source = Absolute(folders[0]);
  options.destination = Absolute(folders[1]);
  // The destination is made when missing, as the dialog's folder chooser can.
  if (!FolderExists(options.destination)) MakeFolders(options.destination);
  FileTypeLists types;
  CliFileOperationPrompts prompts(io);
  SilentOperation progress;
  Result<OrganiseReport> report = OrganiseFiles(options, types, prompts, progress);
  if (!report.ok()) return Fail(io, report.status().message());
  for (const auto& done : report.value().transfer.completed) {
    io.out << done.source << "\t" << done.target << "\n";
  }
  io.err << TransferSummary(report.value().transfer) << "\n";
  return report.value().transfer.failed == 0 ? kExitOk : kExitFailed;
}

int RunSetFileDates(const std::vector<std::string>& args, CliIo& io) {
  std::string when;
  bool withSeconds = false;
  for (const auto& arg : args) {
    if (arg == "--seconds") {
      withSeconds = true;
    } else if (arg.starts_with("--") || !when.empty()) {
      return UsageError(io, kFileDatesUsage, "unknown argument " + arg);
    } else {
      when = arg;
    }
  }
  const bool page = when.size() == 10;
  // A page date need not be a day of its year here: 02/29 of a year without
  // it names no day, and its files are skipped, not refused.
  const bool valid = page ? IsAlbumYear(when.substr(0, 4)) && when[4] == '/' &&
                                IsAlbumPage(when.substr(5))
                          : IsAlbumYear(when);
  if (!valid) return UsageError(io, kFileDatesUsage, "expected YYYY or YYYY/MM/DD");
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (album == nullptr) return kExitFailed;
  const std::string& photoDir = album->env->folders.photoDir;
  Result<std::vector<FileDateTarget>> targets =
      page ? PageFileDateTargets(photoDir, when) : YearFileDateTargets(photoDir, when);
  if (!targets.ok()) return Fail(io, targets.status().message());
  SilentOperation progress;
  const FileDateReport report = SetFileDates(targets.value(), withSeconds, progress);
  for (const auto& line : report.written) io.out << line << "\n";
  io.err << "changed " << report.changed << ", skipped " << report.skipped << "\n";
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
