#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"

namespace lumidex {

class TMemIniFile;

// The year list and `YearSectionIndex`: which years have a year document and
// which pages each of them uses.
//
// The year list holds the file names of the year documents in `photoDir`:
// regular files named four digits + ".ini" ("2014.ini"; sub-album documents
// "2014S.ini" and other files are left out), sorted, so the result does not
// depend on the order of the folder listing.
// `YearSectionIndex` holds "yyyy/" + section name for every section with
// lines of every listed year document, sorted by bytes.
// Not thread-safe.
class YearIndex {
 public:
  // The year document file names in `photoDir`, sorted.
  static std::vector<std::string> ListYearFiles(const std::string& photoDir);

  // Lists the year documents again; when the list differs from the previous
  // one, rebuilds the section index from the files (a file that cannot be read
  // contributes nothing). Returns true when the index was rebuilt.
  bool Refresh(const std::string& photoDir, FileStore& store);

  // Replaces the part of the index of `year` ("yyyy") by the sections with
  // lines of `yearDocument`, and lists `fileName` as a year document when
  // `onDisk` says its file exists. Keeps the index current for the shown
  // year, whose documents change during the run.
  void ReplaceYear(std::string_view year, const TMemIniFile& yearDocument, bool onDisk,
                   const std::string& fileName);

  // True when some year of the year list other than `year` has a section
  // named `page`.
  bool UsedInOtherYears(std::string_view page, std::string_view year) const;

  const std::vector<std::string>& YearFiles() const { return yearFiles_; }
  const std::vector<std::string>& YearSectionIndex() const { return sections_; }

 private:
  std::vector<std::string> yearFiles_;
  std::vector<std::string> sections_;
  bool listed_ = false;
};

}  // namespace lumidex
