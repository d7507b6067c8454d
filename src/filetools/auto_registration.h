#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_types.h"
#include "foundation/long_operation.h"
#include "foundation/mem_ini_file.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// The options of the dialog "画像の自動登録", kept for one run.
struct AutoRegisterOptions {
  bool subAlbumsByFolder = false;  // a sub-album named after each picture's folder
  bool rootFolderToo = false;      // ...also for pictures directly in the chosen folder
  bool includeManaged = false;     // register files of the managed types too
  bool includeHidden = false;      // walk hidden ("." names) files and folders too
  bool exifDates = false;          // date ".jpg" files by their shooting date ("exifdate")
};

// What one run did.
struct AutoRegisterReport {
  int hitFiles = 0;  // files the walk found (the progress maximum)
  int walked = 0;    // of those, files gone through until the end or the stop
  // Entries added per date "yyyy/mm/dd" (a file already on its page adds none).
  std::map<std::string, int> addedPerDate;
  int alreadyThere = 0;                 // registrable files that had their entry already
  int unstorable = 0;                   // paths that cannot be entry names (see CanStoreAsKey)
  int undated = 0;                      // files that vanished or have no usable date
  int unreadableYears = 0;              // files of years whose document could not be read
  bool stopped = false;                 // "中止" was pressed
  std::vector<std::string> readErrors;  // messages of year documents that could not be read
  std::vector<std::string> saveErrors;  // messages of documents that could not be saved

  int added() const;
};

// "hit files > " followed by the count with thousands separators.
std::string HitFilesText(int count);

// What the user is told about registrable files the run left out: those
// without a usable date (they vanished during the run or cannot be
// examined), and those of years whose documents could not be read, after the
// messages of those documents. "" when no file was left out so.
std::string SkippedFilesMessage(const AutoRegisterReport& report);

// The date text "yyyy/mm/dd" of the last-write time of `path` in local time,
// or "" when the file cannot be examined.
std::string FileModifiedDate(const std::string& path);

// Automatic registration: every picture below a folder goes onto the page of
// its date (the shooting date of ".jpg" files with exifDates, else the file's
// last-write date) in the document of that date's year, optionally into a
// sub-album named after its folder. Only entries that are absent are added,
// so comments and entries already in the album are never touched. Each
// year's documents are read once and written once at the end of the run,
// after a stop too; the page index is written once. Edits pending in the open
// list are saved before the run, and the open list shows the result after
// it. Main thread only; holds references to its collaborators.
class AutoRegistration {
 public:
  AutoRegistration(AlbumStore& store, const FileTypeLists& types);
  AutoRegistration(const AutoRegistration&) = delete;
  AutoRegistration& operator=(const AutoRegistration&) = delete;
  ~AutoRegistration();

  // Runs over `root` with `progress` (Begin with the count, Step per file,
  // End). The folders are listed once, before the first step: files that
  // appear later wait for the next run, and the steps never exceed the
  // count. Errors: NotFound "cannot open" when `root` is no folder, or the
  // error of saving the pending edits before the run (nothing is done then).
  // Failures to read or save documents are listed in the report.
  Result<AutoRegisterReport> Run(const std::string& root, const AutoRegisterOptions& options,
                                 LongOperation& progress);

  // Registers the files `paths` (full paths) as Run registers the files it
  // finds below a folder, each onto the page of its date; a file of another
  // type is passed over as Run passes it over. Sub-albums by folder take the
  // root "/" (so each file's own folder names its sub-album). Errors: the
  // error of saving the pending edits before the run (nothing is done then).
  Result<AutoRegisterReport> RunOnFiles(const std::vector<std::string>& paths,
                                        const AutoRegisterOptions& options, LongOperation& progress);

 private:
  Result<AutoRegisterReport> RegisterAll(const std::vector<std::string>& paths, LongOperation& progress);
  struct YearDocuments;
  void RegisterFile(const std::string& path);
  void RegisterByDate(const std::string& date, const std::string& path);
  YearDocuments* DocumentsOf(const std::string& year);
  void SaveAll();

  AlbumStore& store_;
  const FileTypeLists& types_;
  std::string root_;
  AutoRegisterOptions options_;
  AutoRegisterReport report_;
  bool pageIndexChanged_ = false;
  // Documents of years other than the shown one, opened on first use; null
  // for a year whose document could not be read.
  std::map<std::string, std::unique_ptr<YearDocuments>> otherYears_;
};

// The sub-album name a file gets with subAlbumsByFolder: the last component
// of its folder; "" when the folder is `root` itself and `rootFolderToo` is
// off, or when the folder is the file system root.
std::string SubAlbumNameFor(std::string_view path, std::string_view root, bool rootFolderToo);

}  // namespace lumidex
