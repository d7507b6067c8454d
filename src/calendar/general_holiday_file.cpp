#include "calendar/general_holiday_file.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "foundation/file_store.h"

namespace lumidex {
namespace {

// The file of the first versions: 1949-2050 without the changes before
// 1980.
constexpr HolidayFileFingerprint kEarlierShipped[] = {{4304, 0x3ccf453c781bcaaeULL}};

// Replaces the album's copy by the shipped file when the copy is one an
// earlier version shipped and never edited.
Status RenewUnchangedCopy(const std::string& target, const std::string& source,
                          std::span<const HolidayFileFingerprint> earlier) {
  Result<std::string> copy = RealFileStore().ReadAll(target);
  if (!copy.ok()) return Status::Ok();  // unreadable: the user's to look at
  const HolidayFileFingerprint print = HolidayFileFingerprint::Of(copy.value());
  if (std::find(earlier.begin(), earlier.end(), print) == earlier.end()) return Status::Ok();
  Result<std::string> shipped = RealFileStore().ReadAll(source);
  if (!shipped.ok() || shipped.value() == copy.value()) return Status::Ok();
  return RealFileStore().WriteAtomic(target, shipped.value());
}

}  // namespace

HolidayFileFingerprint HolidayFileFingerprint::Of(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ULL;
  for (const unsigned char byte : bytes) {
    hash ^= byte;
    hash *= 0x100000001b3ULL;
  }
  return {bytes.size(), hash};
}

std::span<const HolidayFileFingerprint> EarlierShippedHolidayFiles() { return kEarlierShipped; }

Status InstallGeneralHolidayFile(const DataFolders& folders, const std::string& shareDir,
                                 std::span<const HolidayFileFingerprint> earlier) {
  namespace fs = std::filesystem;
  const fs::path target = folders.dataDir + "NationalHoliday.txt";
  const fs::path source = fs::path(WithTrailingSlash(shareDir)) / "NationalHoliday.txt";
  std::error_code error;
  if (fs::exists(target, error)) return RenewUnchangedCopy(target.string(), source.string(), earlier);
  if (MakeFolders(folders.dataDir)) {
    // skip_existing: a file that appeared meanwhile is the user's and stays.
    fs::copy_file(source, target, fs::copy_options::skip_existing, error);
  }
  if (fs::exists(target, error)) return Status::Ok();
  return Status::Error(CannotCreateMessage(target.string()));
}

}  // namespace lumidex
