// lumidex-cli slides: the pictures a slide show started on a page would
// show, in order, read from the album files without changing them.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "foundation/album_text_check.h"
#include "foundation/calendar_date.h"
#include "foundation/file_store.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "slideshow/day_list.h"
#include "slideshow/file_slide_album.h"
#include "slideshow/slide_sequencer.h"

namespace lumidex::cli {
namespace {

int RunSlides(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kSlidesUsage =
    "  lumidex-cli slides YYYY/MM/DD [--days | --years | --list FILE] [--day-list MM/DD,...]\n"
    "                     [--until YYYY/MM/DD] [--subalbums NAME,...] [--no-page-pictures]\n"
    "                                        the files a slide show started on that page shows,\n"
    "                                        one per line: Day (one pass over the page), Days,\n"
    "                                        Year (--years) or List (the dates of FILE, one a\n"
    "                                        line); --day-list gives the month/days of Days and\n"
    "                                        Year in the order given; --until stands for today\n"
    "                                        (default: today); --subalbums ticks sub-albums\n";

const CliRegistration kSlides({"slides", kSlidesUsage,
                               "list the pictures of a slide show in the order it shows them",
                               RunSlides});

// The command line of one run.
struct SlidesRequest {
  std::string date;  // the page the show starts on, "yyyy/mm/dd"
  SlideShowOptions options;
  std::optional<std::string> listFile;  // List: the file of its dates
  std::optional<std::string> dayList;   // --day-list as given
};

std::vector<std::string> CommaSeparated(const std::string& text) {
  std::vector<std::string> parts;
  size_t begin = 0;
  for (size_t comma; (comma = text.find(',', begin)) != std::string::npos; begin = comma + 1) {
    parts.push_back(text.substr(begin, comma - begin));
  }
  parts.push_back(text.substr(begin));
  return parts;
}

// Reads the arguments into `request`; returns the message of the first
// mistake, "" when there is none.
std::string ParseArguments(const std::vector<std::string>& args, SlidesRequest& request) {
  bool typeGiven = false;
  std::optional<std::string> until;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--days" || arg == "--years" || arg == "--list") {
      if (typeGiven) return "--days、--years、--list はどれか一つだけ指定してください";
      typeGiven = true;
      request.options.type = arg == "--days"    ? SlideType::kDays
                             : arg == "--years" ? SlideType::kYear
                                                : SlideType::kList;
      if (arg == "--list") {
        if (!hasValue) return "--list には日付のファイルを指定してください";
        request.listFile = args[++i];
      }
    } else if (arg == "--day-list" || arg == "--until" || arg == "--subalbums") {
      if (!hasValue) return arg + " には値を指定してください";
      const std::string& value = args[++i];
      if (arg == "--day-list") request.dayList = value;
      if (arg == "--until") until = value;
      if (arg == "--subalbums") {
        for (auto& name : CommaSeparated(value)) request.options.subAlbums.push_back(name);
      }
    } else if (arg == "--no-page-pictures") {
      request.options.showPagePictures = false;
    } else if (arg.starts_with("--") || !request.date.empty()) {
      return "不明な引数です: " + arg;
    } else {
      request.date = arg;
    }
  }
  if (!IsAlbumDate(request.date)) return "開始するページの日付 YYYY/MM/DD を指定してください";
  if (until && !IsAlbumDate(*until)) return "--until の日付が正しくありません: " + *until;
  request.options.today = until.value_or(DateText(LocalToday()));
  const SlideType type = request.options.type;
  if (request.dayList && type != SlideType::kDays && type != SlideType::kYear) {
    return "--day-list は --days か --years と一緒に指定してください";
  }
  if (request.dayList) {
    for (const auto& entry : CommaSeparated(*request.dayList)) {
      std::optional<std::string> day = NormaliseDayListEntry(type, entry, 0);
      if (!day) return "--day-list の「" + entry + "」は日付ではありません";
      request.options.dayList.push_back(std::move(*day));
    }
  }
  return "";
}

// The dates of the List file, normalised and sorted as the day list dialog
// takes them; "mm/dd" lines fall in the year of today.
Result<std::vector<std::string>> ReadListFile(const std::string& path, std::string_view today) {
  Result<std::string> bytes = ReadAlbumFile(RealFileStore(), path, AlbumTextKind::kPlainText);
  if (!bytes.ok()) {
    return bytes.status().isNotFound() ? Status::Error(MissingFileMessage(path)) : bytes.status();
  }
  Result<std::vector<std::string>> days = ParseDayList(
      SlideType::kList, SplitLines(DecodeEditedFile(bytes.value())), *DigitsAt(today, 0, 4));
  if (!days.ok()) return Status::Error(path + ": " + days.status().message());
  return days;
}

int RunSlides(const std::vector<std::string>& args, CliIo& io) {
  SlidesRequest request;
  if (const std::string mistake = ParseArguments(args, request); !mistake.empty()) {
    return UsageError(io, kSlidesUsage, mistake);
  }
  if (request.listFile) {
    Result<std::vector<std::string>> days = ReadListFile(*request.listFile, request.options.today);
    if (!days.ok()) return Fail(io, days.status().message());
    request.options.dayList = std::move(days).value();
  }
  auto session = OpenAlbumSession(io, AlbumAccess::kRead, request.date);
  if (session == nullptr) return kExitFailed;
  FileSlideAlbum album(session->env->folders.photoDir, *session->env->lockList);

  const std::string year = request.date.substr(0, 4);
  const std::string page = request.date.substr(5);
  // The window cannot open a locked page, so a show never starts on one.
  std::vector<std::string> lines;
  if (!album.IsLocked(year, page)) lines = album.OpenPage(year, page).value_or(lines);

  const bool onePass = request.options.type == SlideType::kDay;
  SlideSequencer show(album, std::move(request.options));
  show.Start(year, page, std::move(lines), 0, "");
  while (std::optional<SlideFrame> frame = show.Next()) {
    // "Day" repeats the page for ever: the first picture of the second pass
    // ends the list.
    if (onePass && show.completedPasses() > 0) break;
    io.out << frame->path << "\n";
  }
  int exitCode = kExitOk;
  for (const auto& problem : album.problems()) exitCode = Fail(io, problem);
  return exitCode;
}

}  // namespace
}  // namespace lumidex::cli
