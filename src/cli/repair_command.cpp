// lumidex-cli repair: re-points the entries whose files moved to the files of
// the same name below a folder, for the whole album or one page.
#include <ostream>

#include "album/album_store.h"
#include "album/missing_file_repair.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "foundation/file_paths.h"
#include "foundation/long_operation.h"

namespace lumidex::cli {
namespace {

int RunRepair(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kRepairUsage =
    "  lumidex-cli repair FOLDER [--page YYYY/MM/DD] [--dry-run]\n"
    "                                        re-point missing files to the first file of the same\n"
    "                                        name below FOLDER (the whole album, or one page);\n"
    "                                        prints OLD → NEW per entry, then the counts\n";

const CliRegistration kRepair({"repair", kRepairUsage, "repair the paths of files that moved",
                               RunRepair});

int RunRepair(const std::vector<std::string>& args, CliIo& io) {
  RepairRequest request;
  std::string date;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--dry-run") {
      request.dryRun = true;
    } else if (args[i] == "--page" && i + 1 < args.size()) {
      date = args[++i];
      if (!IsAlbumDate(date)) return UsageError(io, kRepairUsage, "expected --page YYYY/MM/DD");
    } else if (args[i].starts_with("--") || !request.folder.empty()) {
      return UsageError(io, kRepairUsage, "unknown argument " + args[i]);
    } else {
      request.folder = args[i];
    }
  }
  if (request.folder.empty()) return UsageError(io, kRepairUsage, "repair needs a folder");
  if (!FolderExists(request.folder)) return Fail(io, "フォルダがありません: " + request.folder);
  auto album = OpenAlbumSession(io, request.dryRun ? AlbumAccess::kRead : AlbumAccess::kWrite,
                                date);
  if (album == nullptr) return kExitFailed;
  AlbumStore& store = *album->store;
  SilentOperation progress;
  Result<RepairCounts> counts = date.empty()
                                    ? RepairAlbum(store, request, progress)
                                    : RepairPage(store, date.substr(5), request, progress);
  const Status closed = request.dryRun ? Status::Ok() : store.Close();
  if (!counts.ok()) return Fail(io, counts.status().message());
  for (const auto& entry : counts.value().repaired) {
    io.out << entry.oldPath << " → " << entry.newPath << "\n";
  }
  io.out << RepairMessage(counts.value()) << "\n";
  for (const auto& message : counts.value().saveErrors) io.err << message << "\n";
  if (!closed.ok()) return Fail(io, closed.message());
  return counts.value().saveErrors.empty() ? kExitOk : kExitFailed;
}

}  // namespace
}  // namespace lumidex::cli
