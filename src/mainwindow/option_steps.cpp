#include "mainwindow/option_steps.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "foundation/data_folders.h"
#include "foundation/extension_lists.h"
#include "foundation/file_store.h"
#include "foundation/file_types.h"

namespace lumidex {
namespace {

constexpr int kMaxPictureHeight = 4096;
constexpr std::string_view kCacheFolderName = "jpgdat/";

bool IsFolder(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

int HeightInUse(const Settings& settings, const OptionContext& context) {
  return context.largePicturesShown ? settings.bigsiz : settings.smlsiz;
}

}  // namespace

OptionEffects OptionEffectsOf(const Settings& before, const Settings& after,
                              const OptionContext& context) {
  OptionEffects e;
  e.doubleBufferChanged = before.doublebuff != after.doublebuff;
  e.pictureHeightChanged = HeightInUse(before, context) != HeightInUse(after, context);
  e.freeLayoutRedraw = before.imgshadow != after.imgshadow;
  e.weekdayNamesChanged = before.langfrg != after.langfrg;
  e.cacheFolderChanged = before.wdir != after.wdir;
  e.cacheUseChanged = before.hdd != after.hdd || before.mem != after.mem;
  e.managedTypesChanged = before.extlist != after.extlist;
  e.rebuildSummaries = before.hispc != after.hispc || before.bigico != after.bigico;
  e.reloadImageList = context.containerOpen && (e.cacheUseChanged || e.managedTypesChanged);
  e.schemeChanged = before.clrNo != after.clrNo;
  return e;
}

OptionTakeOver TakeOverOptions(const Settings& before, const Settings& edited,
                               const OptionContext& context) {
  OptionTakeOver result{edited, OptionEffectsOf(before, edited, context), Status::Ok()};
  if (result.effects.cacheFolderChanged && !MakeFolders(edited.wdir)) {
    result.status = Status::Error(CannotCreateMessage(edited.wdir));
    result.settings.wdir = before.wdir;
    result.effects = OptionEffectsOf(before, result.settings, context);
  }
  return result;
}

int PictureHeightFromText(const std::string& text, int fallback) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < 1 || value > kMaxPictureHeight) return fallback;
  return value;
}

std::string PictureHeightText(int height) { return std::to_string(height); }

std::string HighQualityTypesText(const std::vector<std::string>& types) {
  std::string text;
  for (const std::string& type : types) text += type;
  return text;
}

std::string CacheFolderText(const std::string& cacheDir) {
  std::string path = cacheDir;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

// The field shows the folder holding the cache folder, so it names the
// current cache folder unless the user picked another one.
std::string EditedCacheFolder(const std::string& text, const std::string& cacheDir,
                              const std::string& wdir) {
  if (!IsFolder(text)) return wdir;
  const std::string folder = WithTrailingSlash(text) + std::string(kCacheFolderName);
  return folder != cacheDir ? folder : wdir;
}

std::vector<std::string> EditedManagedTypes(const std::vector<std::string>& lines,
                                            const std::vector<std::string>& shown,
                                            const std::vector<std::string>& extlist) {
  FileTypeLists lists;
  lists.SetManagedTypes(ManagedTypesFromLines(lines));
  return lists.ManagedTypes() != shown ? lists.ManagedTypes() : extlist;
}

}  // namespace lumidex
