#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/ini_line.h"

namespace lumidex {

// The counts of one year shown in the year list.
struct YearCounts {
  long long files = 0;          // file entries of the year document
  long long subAlbumRefs = 0;   // "@" entries of the year document
  long long subAlbumFiles = 0;  // entries of the sub-album document
  bool operator==(const YearCounts&) const = default;
};

// Counts the lines of a year document and its sub-album document: every
// line that is not empty and does not begin with "[" is an entry; in the
// year document those beginning with "@" are sub-album references.
YearCounts CountYearLines(const std::vector<std::string>& yearLines,
                          const std::vector<std::string>& subAlbumLines);

// "2014年 （1,234枚）", followed by " （3冊 - 56枚）" when the year has
// sub-album references.
std::string YearListItemText(std::string_view year, const YearCounts& counts);

// The in-memory lines of the loaded year's documents, which count instead
// of the files on disk.
struct LoadedYearLines {
  std::string year;  // "yyyy"
  std::vector<std::string> yearLines;
  std::vector<std::string> subAlbumLines;
};

// The year list: one item per year document in `photoDir` (every regular
// "*.ini" file whose name has no capital "S", which leaves out the sub-album
// documents), in name order. Documents that cannot be read count 0.
std::vector<std::string> BuildYearList(const std::string& photoDir, FileStore& store,
                                       const std::optional<LoadedYearLines>& loaded);

// The entry lines of the document at a path, counted on its bytes after a
// byte-order mark (CountEntryLines); none when it cannot be read.
using DocumentLineCounter = std::function<EntryLineCount(const std::string& path)>;
EntryLineCount CountDocumentLines(FileStore& store, const std::string& path);

// The same list with the documents counted by `count` (which may remember
// counts of files that did not change).
std::vector<std::string> BuildYearList(const std::string& photoDir, const DocumentLineCounter& count,
                                       const std::optional<LoadedYearLines>& loaded);

// Index of the first item that contains `year`, or -1.
int YearListIndexOf(const std::vector<std::string>& items, std::string_view year);

}  // namespace lumidex
