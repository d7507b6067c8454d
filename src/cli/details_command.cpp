// lumidex-cli details: the rows of the detail list of a page or sub-album.
#include <ostream>

#include "album/album_store.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "foundation/mem_ini_file.h"
#include "imagelist/detail_rows.h"

namespace lumidex::cli {
namespace {

int RunDetails(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kDetailsUsage =
    "  lumidex-cli details YYYY/MM/DD [NAME] [--sort name|size|type|date|shot]\n"
    "                                        rows of the detail list of the page (or its sub-album NAME):\n"
    "                                        name TAB files TAB size KB TAB type TAB date\n";

const CliRegistration kDetails({"details", kDetailsUsage,
                                "print the detail list of a page or sub-album, optionally sorted",
                                RunDetails});

// The column a --sort word sorts by; -1 for an unknown word.
int SortColumnOf(const std::string& word) {
  if (word == "name") return kNameColumn;
  if (word == "size") return kSizeColumn;
  if (word == "type") return kTypeColumn;
  if (word == "date") return kDateColumn;
  if (word == "shot") return kFirstExifColumn;  // 撮影日時
  return -1;
}

int RunDetails(const std::vector<std::string>& args, CliIo& io) {
  std::vector<std::string> operands;
  int sortColumn = -1;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--sort") {
      if (i + 1 >= args.size() || (sortColumn = SortColumnOf(args[i + 1])) < 0) {
        return UsageError(io, kDetailsUsage, "--sort needs name, size, type, date or shot");
      }
      ++i;
    } else if (args[i].rfind("--", 0) == 0) {
      return UsageError(io, kDetailsUsage, "unknown option " + args[i]);
    } else {
      operands.push_back(args[i]);
    }
  }
  if (operands.empty() || operands.size() > 2 || !IsAlbumDate(operands[0])) {
    return UsageError(io, kDetailsUsage, "expected YYYY/MM/DD (a real day, years 1001-9998) [NAME]");
  }
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, operands[0]);
  if (!album) return kExitFailed;
  const AlbumStore& store = *album->store;
  const std::string page = operands[0].substr(5);
  const bool subAlbum = operands.size() == 2;
  const std::string section = page + (subAlbum ? operands[1] : std::string());
  const TMemIniFile& doc = subAlbum ? store.subAlbumDocument() : store.yearDocument();
  if (!store.pageIndex().HasKey("DATA", page)) return Fail(io, "no page " + page);
  if (subAlbum && !doc.HasSection(section)) return Fail(io, "no sub-album " + operands[1] + " on " + page);
  const auto countOf = [&store](std::string_view sub) {
    return static_cast<int>(store.subAlbumDocument().SectionLines(sub).size());
  };
  std::vector<DetailRow> rows = DetailRowsOf(doc.SectionLines(section), section, countOf);
  const bool readExif = sortColumn >= kFirstExifColumn;
  for (DetailRow& row : rows) FillDetailRow(row, ExtensionTypeName, readExif);
  if (sortColumn >= 0) SortDetailRows(rows, sortColumn, true);
  for (const DetailRow& row : rows) {
    io.out << DetailCellText(row, kNameColumn) << "\t" << DetailCellText(row, kFilesColumn) << "\t"
           << DetailCellText(row, kSizeColumn) << "\t" << DetailCellText(row, kTypeColumn) << "\t"
           << DetailCellText(row, kDateColumn);
    io.out << "\n";
  }
  return kExitOk;
}

}  // namespace
}  // namespace lumidex::cli
