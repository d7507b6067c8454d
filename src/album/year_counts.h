#pragma once

#include <string>
#include <string_view>

#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// How much one year holds, counted on the plain lines of its documents: in
// the year document every line that is not empty and does not begin with "["
// is an entry, those beginning with "@" sub-album references, the others file
// entries; in the sub-album document every such line is a file entry.
struct YearCounts {
  long long fileEntries = 0;
  long long subAlbumReferences = 0;
  long long subAlbumFiles = 0;
};

// Counts the texts of a year document and its sub-album document: decoded
// text, or the cp932 or UTF-8 bytes of the files without a byte-order mark
// (a line starts on a character either way, and the marks are ASCII).
YearCounts CountYearTexts(std::string_view yearText, std::string_view subAlbumText);

// The counts of `year`: the shown year as its documents stand in memory,
// other years from their files (a missing file counts 0). The message of
// the first document that exists but cannot be read (not album text, not a
// regular file, too large), which is never counted as empty.
Result<YearCounts> CountYear(AlbumStore& store, std::string_view year);

// The year list text: "2014年 （1,234枚）", followed by " （3冊 - 56枚）" when
// the year has sub-album references. File counts have "," thousands
// separators; the number of references is plain digits.
std::string YearListText(std::string_view year, const YearCounts& counts);

}  // namespace lumidex
