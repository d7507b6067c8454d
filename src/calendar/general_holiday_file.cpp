#include "calendar/general_holiday_file.h"

#include <filesystem>
#include <system_error>

#include "foundation/file_store.h"

namespace lumidex {

Status InstallGeneralHolidayFile(const DataFolders& folders, const std::string& shareDir) {
  namespace fs = std::filesystem;
  const fs::path target = folders.dataDir + "NationalHoliday.txt";
  std::error_code error;
  if (fs::exists(target, error)) return Status::Ok();
  const fs::path source = fs::path(WithTrailingSlash(shareDir)) / "NationalHoliday.txt";
  if (MakeFolders(folders.dataDir)) {
    // skip_existing: a file that appeared meanwhile is the user's and stays.
    fs::copy_file(source, target, fs::copy_options::skip_existing, error);
  }
  if (fs::exists(target, error)) return Status::Ok();
  return Status::Error(CannotCreateMessage(target.string()));
}

}  // namespace lumidex
