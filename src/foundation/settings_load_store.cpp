#include "foundation/settings_load_store.h"

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "foundation/ini_line.h"
#include "foundation/file_paths.h"

namespace lumidex {
namespace {

// How one stored value maps onto Settings.
enum class Kind {
  kText,         // string
  kFolder,       // string, emptied at load when the folder is gone
  kLines,        // string of lines, CR LF after each
  kInt,          // 32-bit integer within [min, max]
  kBool,         // 32-bit integer, non-zero is true
  kProgramPath,  // "updatepath": written at load when absent, never stored
  kCacheFolder,  // "wdir"
  kDataVersion,  // "dataver": written at load when absent, never stored
  kPassword,     // "listlck": stored only when absent
  kHalves,       // "usersiz": two 16-bit numbers in one integer
};

struct Entry {
  std::string_view name;
  Kind kind;
  std::string Settings::*text = nullptr;
  int Settings::*number = nullptr;
  bool Settings::*flag = nullptr;
  std::vector<std::string> Settings::*lines = nullptr;
  int min = INT32_MIN;
  int max = INT32_MAX;
};

Entry Text(std::string_view name, std::string Settings::*m, Kind kind = Kind::kText) {
  Entry e{name, kind};
  e.text = m;
  return e;
}
Entry Int(std::string_view name, int Settings::*m, int min = INT32_MIN, int max = INT32_MAX) {
  Entry e{name, Kind::kInt};
  e.number = m;
  e.min = min;
  e.max = max;
  return e;
}
Entry Bool(std::string_view name, bool Settings::*m) {
  Entry e{name, Kind::kBool};
  e.flag = m;
  return e;
}
Entry Lines(std::string_view name, std::vector<std::string> Settings::*m) {
  Entry e{name, Kind::kLines};
  e.lines = m;
  return e;
}
Entry Special(std::string_view name, Kind kind) { return Entry{name, kind}; }

// Every stored setting, in the order it is read and first written.
const std::vector<Entry>& Table() {
  using S = Settings;
  static const std::vector<Entry> table = {
      Special("updatepath", Kind::kProgramPath),
      Text("g-dir", &S::gDir, Kind::kFolder),
      Int("slide", &S::slide),
      Text("g-tool", &S::gTool),
      Text("a-dir", &S::aDir, Kind::kFolder),
      Text("cp-dir", &S::cpDir),
      Text("dir1", &S::dir1),
      Text("dir2", &S::dir2),
      Int("clr-no", &S::clrNo, 0, 4),
      Bool("monday", &S::monday),
      Bool("hol-sw", &S::holSw),
      Bool("subfld", &S::subfld),
      Bool("mvdelsw", &S::mvdelsw),
      Bool("dayshadow", &S::dayshadow),
      Bool("v-close", &S::vClose),
      Int("alfha", &S::alfha, 10, 255),
      Int("cp-mod", &S::cpMod, 0, 2),
      Int("g-level", &S::gLevel, 0, 3),
      Bool("frame", &S::frame),
      Bool("scrolframeoff", &S::scrolframeoff),
      Lines("hispc", &S::hispc),
      Lines("extlist", &S::extlist),
      Bool("hdd", &S::hdd),
      Bool("delhdd", &S::delhdd),
      Bool("mem", &S::mem),
      Bool("doublebuff", &S::doublebuff),
      Special("wdir", Kind::kCacheFolder),
      Bool("sear1", &S::sear1),
      Bool("sear2", &S::sear2),
      Bool("bigico", &S::bigico),
      Text("backupdir", &S::backupdir),
      Bool("subAjog", &S::subAjog),
      Bool("shortph", &S::shortph),
      Bool("langfrg", &S::langfrg),
      Int("linestyle", &S::linestyle, 0, 2),
      Int("imgspace", &S::imgspace, 8, 32),
      Bool("exifdate", &S::exifdate),
      Special("dataver", Kind::kDataVersion),
      Bool("tabline", &S::tabline),
      Bool("imgshadow", &S::imgshadow),
      Bool("freemode", &S::freemode),
      Int("bigsiz", &S::bigsiz, 1, 4096),
      Int("smlsiz", &S::smlsiz, 1, 4096),
      Special("listlck", Kind::kPassword),
      Int("spacexy", &S::spacexy),
      Special("usersiz", Kind::kHalves),
  };
  return table;
}

RegistryValueType StoredType(Kind kind) {
  switch (kind) {
    case Kind::kInt:
    case Kind::kBool:
    case Kind::kDataVersion:
    case Kind::kHalves:
      return RegistryValueType::kDword;
    default:
      return RegistryValueType::kString;
  }
}

// Takes one stored value into `s`; false when it cannot be taken.
bool Take(const Entry& e, const RegistryValue& v, Settings& s, DataFolders& folders) {
  if (v.type != StoredType(e.kind)) return false;
  const auto number = static_cast<int32_t>(v.number);
  switch (e.kind) {
    case Kind::kText: s.*e.text = v.data; return true;
    case Kind::kFolder: s.*e.text = FolderExists(v.data) ? v.data : std::string(); return true;
    case Kind::kLines: s.*e.lines = SplitLines(v.data); return true;
    case Kind::kInt:
      if (number < e.min || number > e.max) return false;
      s.*e.number = number;
      return true;
    case Kind::kBool: s.*e.flag = v.number != 0; return true;
    case Kind::kProgramPath: s.updatepath = v.data; return true;
    case Kind::kCacheFolder: {
      std::string_view folder = v.data;
      while (!folder.empty() && folder.back() == '/') folder.remove_suffix(1);
      if (FolderExists(std::string(folder))) {
        s.wdir = WithTrailingSlash(folder);
        folders.cacheDir = s.wdir;
      }
      return true;
    }
    case Kind::kDataVersion: s.dataver = number; return true;
    case Kind::kPassword: s.listlck = v.data; return true;
    case Kind::kHalves:
      s.usersizHigh = static_cast<int>(v.number >> 16);
      s.usersizLow = static_cast<int>(v.number & 0xFFFF);
      return true;
  }
  return false;
}

uint32_t Halves(int high, int low) {
  return (static_cast<uint32_t>(high) & 0xFFFF) << 16 | (static_cast<uint32_t>(low) & 0xFFFF);
}

// Writes one setting into `key` under the exit rules.
void Put(const Entry& e, const Settings& s, RegistryKey& key) {
  const std::string name(e.name);
  switch (e.kind) {
    case Kind::kText:
    case Kind::kFolder: key.Set(RegistryValue::String(name, s.*e.text)); return;
    case Kind::kLines: key.Set(RegistryValue::String(name, JoinLines(s.*e.lines))); return;
    case Kind::kInt: key.Set(RegistryValue::Dword(name, static_cast<uint32_t>(s.*e.number))); return;
    case Kind::kBool: key.Set(RegistryValue::Dword(name, s.*e.flag ? 1 : 0)); return;
    case Kind::kProgramPath:
    case Kind::kDataVersion: return;
    case Kind::kCacheFolder:
      if (!s.wdir.empty()) key.Set(RegistryValue::String(name, s.wdir));
      return;
    case Kind::kPassword:
      if (key.Find(name) == nullptr) key.Set(RegistryValue::String(name, s.listlck));
      return;
    case Kind::kHalves:
      key.Set(RegistryValue::Dword(name, Halves(s.usersizHigh, s.usersizLow)));
      return;
  }
}

}  // namespace

SettingsLoadResult LoadSettings(SettingsStore& store, DataFolders& folders, FileTypeLists& types) {
  SettingsLoadResult result;
  Result<RegistryData> data = store.Read();
  if (!data.ok()) {
    result.status = data.status();
    return result;
  }
  const RegistryKey* key = data.value().FindKey(kSettingsKeyPath);
  bool hasPath = false;
  bool hasVersion = false;
  for (const Entry& e : Table()) {
    const RegistryValue* value = key != nullptr ? key->Find(e.name) : nullptr;
    if (value == nullptr) continue;
    hasPath |= e.kind == Kind::kProgramPath;
    hasVersion |= e.kind == Kind::kDataVersion;
    // Neither of the two is read for its content; only its presence counts.
    const bool presenceOnly = e.kind == Kind::kProgramPath || e.kind == Kind::kDataVersion;
    if (!Take(e, *value, result.settings, folders) && !presenceOnly) {
      result.problems.emplace_back(e.name);
    }
  }
  types.SetManagedTypes(result.settings.extlist);

  if (!hasPath) result.settings.updatepath = folders.programDir;
  if (!hasVersion) {
    result.settings.dataver = 1;
    result.firstStart = true;
  }
  if (!hasPath || !hasVersion) {
    result.status = store.Update([&](RegistryData& stored) {
      RegistryKey& k = stored.CreateKey(kSettingsKeyPath);
      if (!hasPath) k.Set(RegistryValue::String("updatepath", folders.programDir));
      if (!hasVersion) k.Set(RegistryValue::Dword("dataver", 1));
    });
  }
  return result;
}

std::string SettingsProblemMessage(const std::vector<std::string>& problems) {
  std::string names;
  for (const auto& name : problems) {
    if (!names.empty()) names += "、";
    names += "\"" + name + "\"";
  }
  return "設定値 " + names + " が正しくないため、既定値を使用します。";
}

Status StoreSettings(SettingsStore& store, const Settings& settings) {
  return store.Update([&](RegistryData& data) {
    RegistryKey& key = data.CreateKey(kSettingsKeyPath);
    for (const Entry& e : Table()) Put(e, settings, key);
  });
}

}  // namespace lumidex
