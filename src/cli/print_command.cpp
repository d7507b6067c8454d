// lumidex-cli print: pictures (files, or the pictures of a day's page) laid
// out on sheets by the print dialog's engine and written as a PDF, e.g. for a
// print shop.
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <strings.h>
#include <vector>

#include "album/album_text.h"
#include "cli/album_session.h"
#include "cli/cli_command.h"
#include "cli/cli_dates.h"
#include "cli/gui_session.h"
#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "foundation/settings_load_store.h"
#include "foundation/settings_store.h"
#include "platform/environment.h"
#include "printing/print_geometry.h"
#include "printing/print_list.h"
#include "printing/print_settings.h"
#include "printing/print_texts.h"
#include "printing/render/print_job.h"

namespace lumidex::cli {
namespace {

int RunPrint(const std::vector<std::string>& args, CliIo& io);

constexpr const char* kPrintUsage =
    "  lumidex-cli print [--layout 0-10 | --size E|L|2L|postcard|custom] [--uses K]\n"
    "                    [--paper A4|A3|A5|A6|B4|B5|B6|Letter|Legal|Postcard] [--landscape]\n"
    "                    [--dpi 300] [--fill] [--crop] [--page-numbers] [--no-name]\n"
    "                    --pdf OUT.pdf FILE...|YYYY/MM/DD\n"
    "                                        lays the pictures (or those of the day's page)\n"
    "                                        out as the print dialog does: layouts 0-5 grids\n"
    "                                        of 1, 2, 4, 9, 35, 49 cells, 6-10 the photo sizes\n"
    "                                        E, L, 2L, postcard, custom (the settings' size);\n"
    "                                        each picture K times (1-120); --fill fills the\n"
    "                                        cells, --crop fills them keeping the ratio;\n"
    "                                        default layout 0 on A4 portrait at 300 dpi;\n"
    "                                        missing pictures are named and left out\n";

const CliRegistration kPrint({"print", kPrintUsage, "lay pictures out on sheets and write a PDF",
                              RunPrint});

struct PrintRequest {
  int layout = 0;
  int uses = 1;
  std::string paper = "A4";
  bool landscape = false;
  int dpi = 300;
  std::string pdf;
  bool fill = false;
  bool crop = false;
  bool pageNumbers = false;
  bool noName = false;
  std::vector<std::string> sources;
};

int NumberIn(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  const int value = std::stoi(text);
  return value >= low && value <= high ? value : -1;
}

int LayoutOfSize(const std::string& name) {
  const char* names[] = {"E", "L", "2L", "postcard", "custom"};
  for (int i = 0; i < 5; ++i) {
    if (strcasecmp(name.c_str(), names[i]) == 0) return kFirstPhotoLayout + i;
  }
  return -1;
}

// The request, or the message that refuses it.
Result<PrintRequest> Parse(const std::vector<std::string>& args) {
  PrintRequest request;
  bool layoutGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool takesValue = arg == "--layout" || arg == "--size" || arg == "--uses" ||
                            arg == "--paper" || arg == "--dpi" || arg == "--pdf";
    if (takesValue && i + 1 == args.size()) return Status::Error(arg + " の値がありません");
    if (arg == "--layout" || arg == "--size") {
      if (layoutGiven) return Status::Error("--layout と --size はどちらか一つです");
      layoutGiven = true;
      const std::string& value = args[++i];
      request.layout =
          arg == "--layout" ? NumberIn(value, 0, kLayoutCount - 1) : LayoutOfSize(value);
      if (request.layout < 0) return Status::Error(arg + " の値が正しくありません: " + value);
    } else if (arg == "--uses") {
      request.uses = NumberIn(args[++i], 1, PrintList::kMaxUses);
      if (request.uses < 0) return Status::Error("--uses は 1～120 です: " + args[i]);
    } else if (arg == "--paper") {
      request.paper = args[++i];
      if (!PaperSizeByName(request.paper.c_str()).ok) {
        return Status::Error("用紙の名前が正しくありません: " + request.paper);
      }
    } else if (arg == "--dpi") {
      request.dpi = NumberIn(args[++i], 72, 1200);
      if (request.dpi < 0) return Status::Error("--dpi は 72～1200 です: " + args[i]);
    } else if (arg == "--pdf") {
      request.pdf = args[++i];
    } else if (arg == "--landscape") {
      request.landscape = true;
    } else if (arg == "--fill") {
      request.fill = true;
    } else if (arg == "--crop") {
      request.crop = true;
    } else if (arg == "--page-numbers") {
      request.pageNumbers = true;
    } else if (arg == "--no-name") {
      request.noName = true;
    } else if (arg.starts_with("--")) {
      return Status::Error("不明な引数です: " + arg);
    } else {
      request.sources.push_back(arg);
    }
  }
  if (request.pdf.empty()) return Status::Error("--pdf OUT.pdf がありません");
  if (request.sources.empty()) return Status::Error("印刷する画像か日付がありません");
  return request;
}

bool IsPicturePath(const std::string& path) {
  const auto& types = FileTypeLists::ImageTypes();
  return std::find(types.begin(), types.end(), ExtensionOf(path)) != types.end();
}

// The files of the day's page that are pictures (sub-albums left out).
Result<std::vector<std::string>> PagePictures(const AlbumStore& store, const std::string& date) {
  std::vector<std::string> paths;
  for (const auto& line : store.yearDocument().SectionLines(date.substr(5))) {
    const std::string name(EntryNameOf(line));
    if (name.starts_with("@") || !IsPicturePath(name)) continue;
    paths.push_back(name);
  }
  if (paths.empty()) return Status::Error("ページに画像がありません: " + date);
  return paths;
}

PrintSettings SettingsOf(const PrintRequest& request, const DataFolders& sessionFolders) {
  ReadOnlyFiles files;
  SettingsStore store(SettingsFilePath(platform::SettingsFolder()), files);
  DataFolders folders = sessionFolders;
  FileTypeLists types;
  PrintSettings settings = PrintSettingsFrom(LoadSettings(store, folders, types).settings);
  settings.fillCell = request.fill || request.crop;
  settings.keepRatio = request.crop;
  settings.pageNumbers = request.pageNumbers;
  if (request.noName) settings.printName = false;
  return settings;
}

int RunPrint(const std::vector<std::string>& args, CliIo& io) {
  Result<PrintRequest> parsed = Parse(args);
  if (!parsed.ok()) return UsageError(io, kPrintUsage, parsed.status().message());
  const PrintRequest& request = parsed.value();
  const bool byDate = request.sources.size() == 1 && IsAlbumDate(request.sources[0]);
  auto album = OpenAlbumSession(io, AlbumAccess::kRead, byDate ? request.sources[0] : "");
  if (album == nullptr) return kExitFailed;

  std::vector<std::string> chosen = request.sources;
  if (byDate) {
    Result<std::vector<std::string>> page = PagePictures(*album->store, request.sources[0]);
    if (!page.ok()) return Fail(io, page.status().message());
    chosen = page.value();
  }
  std::vector<std::string> present;
  std::vector<std::string> missing;
  for (const auto& path : chosen) {
    std::error_code error;
    (std::filesystem::is_regular_file(path, error) ? present : missing).push_back(path);
  }
  if (!missing.empty()) io.err << "lumidex-cli: " << MissingPicturesMessage(missing) << "\n";
  if (present.empty()) return Fail(io, "印刷する画像がありません");

  const PrintSettings settings = SettingsOf(request, album->env->folders);
  const PaperSizeMm paper = PaperSizeByName(request.paper.c_str());
  const QString out = QString::fromStdString(request.pdf);
  {
    QFile probe(out);
    if (!probe.open(QIODevice::WriteOnly)) {
      return Fail(io, "PDFファイルを作成できません: " + request.pdf);
    }
  }
  const std::unique_ptr<QGuiApplication> app = StartGuiApplication();
  QPdfWriter writer(out);
  writer.setCreator(QStringLiteral("Lumidex Album"));
  writer.setResolution(request.dpi);
  const QPageSize size(QSizeF(paper.width, paper.height), QPageSize::Millimeter, QString(),
                       QPageSize::FuzzyMatch);
  writer.setPageLayout(QPageLayout(size,
                                   request.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
  PrintJob job;
  job.paper = FactsOf(writer.pageLayout(), request.dpi, false);
  job.settings = settings;
  job.layout = request.layout;
  const PrintList list(present, request.uses);
  job.lastPage = list.size();  // clamped to the last sheet by the job
  Result<PrintOutcome> outcome = RunPrintJob(writer, job, list);
  if (!outcome.ok()) return Fail(io, outcome.status().message() + ": " + request.pdf);
  for (const auto& path : outcome.value().unreadable) {
    io.err << "lumidex-cli: 読み込めない画像です: " << path << "\n";
  }
  io.out << request.pdf << ": " << outcome.value().pagesPrinted << " ページ, " << list.size()
         << " 枚\n";
  return outcome.value().unreadable.empty() ? kExitOk : kExitFailed;
}

}  // namespace
}  // namespace lumidex::cli
