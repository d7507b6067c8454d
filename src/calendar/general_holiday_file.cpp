#include "calendar/general_holiday_file.h"

#include <filesystem>
#include <system_error>

namespace lumidex {

bool InstallGeneralHolidayFile(const DataFolders& folders, const std::string& shareDir) {
  namespace fs = std::filesystem;
  const fs::path target = folders.dataDir + "NationalHoliday.txt";
  std::error_code error;
  if (fs::exists(target, error)) return true;
  const fs::path source = fs::path(WithTrailingSlash(shareDir)) / "NationalHoliday.txt";
  if (!MakeFolders(folders.dataDir)) return false;
  // skip_existing: a file that appeared meanwhile is the user's and stays.
  fs::copy_file(source, target, fs::copy_options::skip_existing, error);
  return fs::exists(target, error);
}

}  // namespace lumidex
