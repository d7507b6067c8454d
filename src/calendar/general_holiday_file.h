#pragma once

#include <string>

#include "foundation/data_folders.h"
#include "foundation/status.h"

namespace lumidex {

// Puts the shipped general holiday file into the album: copies
// `shareDir` + "NationalHoliday.txt" to dataDir + "NationalHoliday.txt" when
// the album has none yet. An existing file is never replaced, since the user
// may have edited it. Ok when the album has the file afterwards; otherwise
// Error "ファイル %s を作成できません" with the album's file (the data folder
// cannot be made or written, or the shipped file is missing), and the album
// goes on without a general holiday file.
Status InstallGeneralHolidayFile(const DataFolders& folders, const std::string& shareDir);

}  // namespace lumidex
