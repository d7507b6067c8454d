// lumidex-cli copy-out: copies a page's or a sub-album's files into a folder,
// optionally with the placement file that registers them back with the same
// grouping.
#include <filesystem>
#include <ostream>

#include "album/album_store.h"
#include "album/album_text.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "cli/file_tool_prompts.h"
#include "filetools/copy_to_folder.h"
#include "foundation/long_operation.h"
#include "foundation/text_compare.h"

namespace lumidex::cli {
namespace {

int RunCopyOutCommand(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kCopyOutUsage =
    "  lumidex-cli copy-out YYYY/MM/DD DEST [--subalbum NAME] [--placement]\n"
    "                                        copy the page's files (a sub-album's into DEST/NAME)\n"
    "                                        into DEST, with alb_data.ini when --placement;\n"
    "                                        prints each file copied\n";

const CliRegistration kCopyOut({"copy-out", kCopyOutUsage, "copy a page's files to a folder",
                                RunCopyOutCommand});

int RunCopyOutCommand(const std::vector<std::string>& args, CliIo& io) {
  std::vector<std::string> plain;
  std::string subAlbum;
  bool placement = false;
  bool wantsSubAlbum = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--placement") {
      placement = true;
    } else if (args[i] == "--subalbum" && i + 1 < args.size()) {
      wantsSubAlbum = true;
      subAlbum = args[++i];
    } else if (args[i].starts_with("--")) {
      return UsageError(io, kCopyOutUsage, "unknown argument " + args[i]);
    } else {
      plain.push_back(args[i]);
    }
  }
  if (plain.size() != 2) return UsageError(io, kCopyOutUsage, "copy-out needs a date and a folder");
  if (!IsAlbumDate(plain[0])) return UsageError(io, kCopyOutUsage, "expected YYYY/MM/DD");
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, plain[0]);
  if (album == nullptr) return kExitFailed;
  const AlbumStore& store = *album->store;
  const std::string page = plain[0].substr(5);
  std::vector<std::string> lines = store.yearDocument().SectionLines(page);
  if (wantsSubAlbum) {
    const std::string key = "@" + page + subAlbum;
    std::vector<std::string> chosen;
    for (const auto& line : lines) {
      if (EqualsNoCase(EntryNameOf(line), key)) chosen.push_back(line);
    }
    if (chosen.empty()) return Fail(io, "サブアルバムがありません: " + subAlbum);
    lines = chosen;
  }
  if (lines.empty()) return Fail(io, "ページに登録されたファイルがありません: " + plain[0]);
  const std::string destination = std::filesystem::absolute(plain[1]).lexically_normal().string();
  const CopyOutPlan plan = PlanCopyOut(lines, store.subAlbumDocument(), destination);
  for (const auto& name : plan.refused) {
    io.err << "lumidex-cli: フォルダ名にできないサブアルバム名です: " << name << "\n";
  }
  CliFileOperationPrompts prompts(io);
  SilentOperation progress;
  const CopyOutReport report = RunCopyOut(plan, destination, placement, prompts, progress);
  for (const auto& copy : report.transfer.completed) io.out << copy.target << "\n";
  io.err << TransferSummary(report.transfer) << "\n";
  if (!report.placement.ok()) return Fail(io, report.placement.message());
  const bool complete = report.transfer.failed == 0 && plan.refused.empty();
  return complete ? kExitOk : kExitFailed;
}

}  // namespace
}  // namespace lumidex::cli
