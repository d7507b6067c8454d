// lumidex-cli freelayout render: one free layout tab drawn by the view's own
// renderer into a PNG file, on the album of LUMIDEX_HOME (read only).
#include "cli/freelayout_render.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <ostream>

#include "cli/album_session.h"
#include "cli/cli_dates.h"
#include "cli/gui_session.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/settings_load_store.h"
#include "foundation/settings_store.h"
#include "freelayout/free_layout_document.h"
#include "freelayout/render/free_layout_tab_renderer.h"
#include "freelayout/render/paint_target.h"
#include "images/image_types.h"
#include "images/shell_images.h"
#include "images/thumbnail_cache.h"
#include "mainwindow/colour_scheme.h"
#include "platform/environment.h"

namespace lumidex::cli {

namespace {

constexpr int kMaxWidth = 16000;

struct RenderArgs {
  std::string year;
  std::string page;
  int tab = 0;
  int width = 0;
  std::string out;
  FreeLayoutWay way = FreeLayoutWay::kByDate;
};

// A whole decimal number in [low, high], else -1.
int NumberIn(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  const int value = std::stoi(text);
  return value >= low && value <= high ? value : -1;
}

bool EndsWithPng(const std::string& path) {
  if (path.size() < 5) return false;
  std::string end = path.substr(path.size() - 4);
  std::transform(end.begin(), end.end(), end.begin(), [](unsigned char c) { return std::tolower(c); });
  return end == ".png";
}

// The arguments, or the message that refuses them.
Result<RenderArgs> ParseArgs(const std::vector<std::string>& args) {
  RenderArgs parsed;
  std::vector<std::string> words;
  std::string width;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--album") {
      parsed.way = FreeLayoutWay::kByAlbum;
    } else if (args[i] == "--width" || args[i] == "--out") {
      if (i + 1 == args.size()) return Status::Error(args[i] + " の値がありません");
      std::string& value = args[i] == "--width" ? width : parsed.out;
      value = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return Status::Error("'" + args[i] + "' は使えないオプションです");
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.size() != 3) {
    return Status::Error("年 YYYY、ページ名、タブ番号を指定してください");
  }
  if (!IsAlbumYear(words[0])) {
    return Status::Error("'" + words[0] + "' は年ではありません（1001〜9998）");
  }
  parsed.year = words[0];
  parsed.page = words[1];
  parsed.tab = NumberIn(words[2], 0, 99);
  if (parsed.tab < 0) return Status::Error("タブ番号は 0〜99 で指定してください");
  parsed.width = NumberIn(width, 2, kMaxWidth);
  if (parsed.width < 0) return Status::Error("--width には 2〜16000 の幅を指定してください");
  if (!EndsWithPng(parsed.out)) {
    return Status::Error("--out には書き出す .png ファイルを指定してください");
  }
  return parsed;
}

// The look of the window's view from the user's settings, with the switches
// of a finished picture: high quality, pictures turned, not printing.
FreePictureLook LookFromSettings(DataFolders& folders, bool& useCache) {
  ReadOnlyFiles files;
  SettingsStore store(SettingsFilePath(platform::SettingsFolder()), files);
  FileTypeLists types;
  const SettingsLoadResult loaded = LoadSettings(store, folders, types);
  FreePictureLook look;
  look.imgshadow = loaded.settings.imgshadow;
  look.highQuality = true;
  look.rotationAllowed = true;
  look.pageColour = ColourSchemeFor(loaded.settings.clrNo).light;
  look.highQualityTypes = HighQualityTypesFrom(loaded.settings.hispc);
  look.types = types;
  useCache = loaded.settings.hdd;
  return look;
}

}  // namespace

int RunFreeLayoutRender(const std::vector<std::string>& args, CliIo& io) {
  Result<RenderArgs> parsed = ParseArgs(args);
  if (!parsed.ok()) return UsageError(io, kFreeLayoutRenderUsage, parsed.status().message());
  const RenderArgs& a = parsed.value();

  auto album = OpenAlbumSession(io, AlbumAccess::kRead, "");
  if (!album) return kExitFailed;
  auto doc = FreeLayoutDocument::Open(album->env->folders.albumDir, std::stoi(a.year), a.way);
  if (!doc.ok()) return Fail(io, doc.status().message());
  const FreeLayoutDocument& document = *doc.value();
  if (!document.HasPage(a.page)) {
    return Fail(io, "ページ '" + a.page + "' は " + a.year + " にありません");
  }
  if (a.tab >= std::max(document.PageTabStrip(a.page).count, 1)) {
    return Fail(io, "タブ " + std::to_string(a.tab) + " はページ '" + a.page + "' にありません");
  }
  const TabLoad load = document.LoadTab(a.page, a.tab);
  if (!load.problems.empty()) {
    io.err << "lumidex-cli: " << UnreadableItemsMessage(load.problems) << "\n";
  }

  DataFolders folders = album->env->folders;
  bool useCache = false;
  const FreePictureLook look = LookFromSettings(folders, useCache);
  const ThumbnailCache cache(folders.cacheDir, useCache);
  const auto reader = MakeFilePictureReader(&cache, NoShellImages());
  const std::unique_ptr<QGuiApplication> app = StartGuiApplication();
  FreeLayoutTabRenderer renderer(*reader);
  renderer.SetLook(look);
  TabDrawing drawing = renderer.Render(load.items, a.width, a.width / 2);
  for (const std::string& problem : drawing.problems) io.err << "lumidex-cli: " << problem << "\n";
  const QImage image = PaintTarget(drawing.canvas);
  if (image.isNull() || !image.save(QString::fromStdString(a.out), "PNG")) {
    return Fail(io, CannotCreateMessage(a.out));
  }
  return kExitOk;
}

}  // namespace lumidex::cli
