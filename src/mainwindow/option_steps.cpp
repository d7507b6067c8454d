#include "mainwindow/option_steps.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "foundation/data_folders.h"
#include "foundation/extension_lists.h"
#include "foundation/file_types.h"

namespace lumidex {
namespace {

constexpr int kLargeFallback = 112;
constexpr int kSmallFallback = 56;
constexpr int kMaxPictureHeight = 4096;
constexpr std::string_view kCacheFolderName = "jpgdat/";

// The folder that holds `cacheDir` ("/a/data/jpgdat/" gives "/a/data").
std::string ParentFolder(const std::string& cacheDir) {
  std::string path = cacheDir;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

std::string Concatenated(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& p : parts) text += p;
  return text;
}

std::vector<std::string> NormalisedManagedTypes(const std::vector<std::string>& lines) {
  FileTypeLists lists;
  lists.SetManagedTypes(ManagedTypesFromLines(lines));
  return lists.ManagedTypes();
}

}  // namespace

int PictureHeightFromText(const std::string& text, int fallback) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 1 || value > kMaxPictureHeight) return fallback;
  return value;
}

OptionDialogValues OptionValuesFrom(const Settings& s, const std::string& cacheDir,
                                    const std::vector<std::string>& managedTypes) {
  OptionDialogValues v;
  v.monday = s.monday;
  v.holSw = s.holSw;
  v.dayshadow = s.dayshadow;
  v.vClose = s.vClose;
  v.langfrg = s.langfrg;
  v.linestyle = s.linestyle;
  v.clrNo = s.clrNo;
  v.alfha = s.alfha;
  v.hispcText = Concatenated(s.hispc);
  v.cacheFolder = ParentFolder(cacheDir);
  v.gLevel = s.gLevel;
  v.hdd = s.hdd;
  v.delhdd = s.delhdd;
  v.mem = s.mem;
  v.frame = s.frame;
  v.bigsizText = std::to_string(s.bigsiz);
  v.smlsizText = std::to_string(s.smlsiz);
  v.doublebuff = s.doublebuff;
  v.scrolframeoff = s.scrolframeoff;
  v.managedTypes = managedTypes;
  v.bigico = s.bigico;
  v.imgspace = s.imgspace;
  v.tabline = s.tabline;
  v.imgshadow = s.imgshadow;
  v.printTitle = s.printTitle;
  v.printSoftName = s.printSoftName;
  return v;
}

OptionEffects ApplyOptions(const OptionDialogValues& v, const OptionContext& context, OptionState& state) {
  Settings& s = state.settings;
  OptionEffects e;

  // 1. Plain values.
  s.monday = v.monday;
  s.alfha = v.alfha;
  s.holSw = v.holSw;
  s.dayshadow = v.dayshadow;
  s.vClose = v.vClose;
  s.gLevel = v.gLevel;

  // 2. Double buffering.
  e.doubleBufferChanged = s.doublebuff != v.doublebuff;
  s.doublebuff = v.doublebuff;

  // 3. Picture heights; the list switches again when the height in use changed.
  const int heightInUse = context.largePicturesShown ? s.bigsiz : s.smlsiz;
  s.bigsiz = PictureHeightFromText(v.bigsizText, kLargeFallback);
  s.smlsiz = PictureHeightFromText(v.smlsizText, kSmallFallback);
  e.pictureHeightChanged = heightInUse != (context.largePicturesShown ? s.bigsiz : s.smlsiz);

  // 4. Values that take effect when next used.
  s.frame = v.frame;
  s.scrolframeoff = v.scrolframeoff;
  s.tabline = v.tabline;
  s.printTitle = v.printTitle;
  s.printSoftName = v.printSoftName;
  s.imgspace = v.imgspace;
  s.linestyle = v.linestyle;

  // 5. - 7.
  e.freeLayoutRedraw = s.imgshadow != v.imgshadow;
  s.imgshadow = v.imgshadow;
  e.weekdayNamesChanged = s.langfrg != v.langfrg;
  s.langfrg = v.langfrg;
  const bool bigicoChanged = s.bigico != v.bigico;
  s.bigico = v.bigico;

  // 8. Cache folder. The field shows the folder holding the cache folder, so
  // it names the current cache folder unless the user picked another one.
  if (IsFolder(v.cacheFolder)) {
    const std::string folder = WithTrailingSlash(v.cacheFolder) + std::string(kCacheFolderName);
    if (folder != state.cacheDir) {
      MakeFolders(folder);
      state.cacheDir = folder;
      s.wdir = folder;
      e.cacheFolderChanged = true;
    }
  }

  // 9. - 10. Cache use.
  e.cacheUseChanged = s.hdd != v.hdd || s.mem != v.mem;
  s.hdd = v.hdd;
  s.mem = v.mem;
  s.delhdd = v.delhdd;

  // 11. Managed types.
  std::vector<std::string> managed = NormalisedManagedTypes(v.managedTypes);
  if (managed != state.managedTypes) {
    state.managedTypes = managed;
    s.extlist = std::move(managed);
    e.managedTypesChanged = true;
  }

  // 12. High-quality types.
  std::vector<std::string> hispc = HighQualityTypesFromText(v.hispcText);
  const bool hispcChanged = hispc != s.hispc;
  if (hispcChanged) s.hispc = std::move(hispc);
  e.rebuildSummaries = hispcChanged || bigicoChanged;

  // 13. Reload an open page's list.
  e.reloadImageList = context.containerOpen && (e.cacheUseChanged || e.managedTypesChanged);

  // 14. Colour scheme.
  e.schemeChanged = s.clrNo != v.clrNo;
  s.clrNo = v.clrNo;
  return e;
}

}  // namespace lumidex
