#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "foundation/data_folders.h"
#include "foundation/status.h"

namespace lumidex {

// Names the bytes of a holiday file: their size and FNV-1a hash.
struct HolidayFileFingerprint {
  uint64_t size = 0;
  uint64_t hash = 0;
  bool operator==(const HolidayFileFingerprint&) const = default;
  static HolidayFileFingerprint Of(std::string_view bytes);
};

// The general holiday files earlier versions of the program shipped.
std::span<const HolidayFileFingerprint> EarlierShippedHolidayFiles();

// Puts the shipped general holiday file into the album: copies
// `shareDir` + "NationalHoliday.txt" to dataDir + "NationalHoliday.txt" when
// the album has none yet. An existing file is replaced only while it is
// byte for byte one that an earlier version shipped (`earlier`), so that an
// album made then gets the years and changes shipped now; a file the user
// edited is never replaced. Ok when the album has the file afterwards;
// otherwise Error "ファイル %s を作成できません" with the album's file (the data
// folder cannot be made or written, or the shipped file is missing), and
// the album goes on without a general holiday file (or with its old one).
Status InstallGeneralHolidayFile(const DataFolders& folders, const std::string& shareDir,
                                 std::span<const HolidayFileFingerprint> earlier = EarlierShippedHolidayFiles());

}  // namespace lumidex
