#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "album/document_summaries.h"
#include "foundation/file_store.h"
#include "foundation/ini_line.h"
#include "foundation/status.h"

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
// The documents are read through DocumentSummaries: a document whose file
// is as it was when its summary was kept (in this run, or in an earlier one
// when `summaryPath` names the file they are kept in) is not read again.
// Not thread-safe.
class YearIndex {
 public:
  explicit YearIndex(std::string summaryPath = "");

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

  // The entry lines of the document at `path` (a year or sub-album
  // document) as its file stands now, counted as CountEntryLines does after
  // a byte-order mark. NotFound for a missing file; the read's error for one
  // that cannot be read as album text.
  Result<EntryLineCount> CountLines(const std::string& path, FileStore& store);
  // Keeps the summaries read in this run for the next one (DocumentSummaries::Store).
  Status StoreSummaries(FileStore& store);
  // How many documents were read rather than taken from kept summaries.
  int documentsRead() const { return summaries_.readCount(); }

  const std::vector<std::string>& YearFiles() const { return yearFiles_; }
  const std::vector<std::string>& YearSectionIndex() const { return sections_; }

 private:
  DocumentSummaries summaries_;
  std::vector<std::string> yearFiles_;
  std::vector<std::string> sections_;
  bool listed_ = false;
};

}  // namespace lumidex
