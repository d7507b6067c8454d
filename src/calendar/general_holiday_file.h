#pragma once

#include <string>

#include "foundation/data_folders.h"

namespace lumidex {

// Puts the shipped general holiday file into the album: copies
// `shareDir` + "NationalHoliday.txt" to dataDir + "NationalHoliday.txt" when
// the album has none yet. An existing file is never replaced, since the user
// may have edited it. True when the album has the file afterwards.
bool InstallGeneralHolidayFile(const DataFolders& folders, const std::string& shareDir);

}  // namespace lumidex
