#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "album/grp_data.h"
#include "album/year_index.h"
#include "foundation/data_folders.h"
#include "foundation/file_store.h"
#include "foundation/file_types.h"
#include "foundation/mem_ini_file.h"
#include "foundation/status.h"

namespace lumidex {

// Makes the compressed calendar-cell picture of an existing cover file, or
// nothing when it cannot.
using ThumbnailRenderer = std::function<std::optional<std::string>(const std::string& coverPath)>;

// The note that RestoreMissingPages gave keys back: "ページ一覧に無かった
// ページを戻しました: 03/15（2024年）、…" for the restored "yyyy/mm/dd".
std::string RestoredPagesMessage(const std::vector<std::string>& restored);

// The result of the cover choice for one page.
struct CoverChoice {
  bool hasContent = false;  // the page has content in the shown year
  std::string cover;        // the chosen cover path, "" for none
};

// The album as the shown year sees it: the page index and the lock list, the
// year document "<yyyy>.ini" and sub-album document "<yyyy>S.ini" of the shown
// year, the current container (none, a page or a sub-album) with the ordered
// lines the image list shows, the page summaries and the year index.
//
// Files (below `photoDir` and `userDir` of DataFolders):
// - page index "grp-list.ini", section "DATA": "mm/dd=" + cover value
//   (".alb" = chosen automatically, else the cover path);
// - lock list "daylc.ini", section "LCK": "yyyy/mm/dd=" per locked page;
// - year document: one section per page ("mm/dd") with entry lines
//   "path=comment" or "@" + sub-album section + "=comment";
// - sub-album document: one section per sub-album ("mm/dd" + name).
//
// Ownership: the page index and lock list documents belong to the caller
// (AppEnvironment opens them for the run) and must outlive the store; the
// store writes them at once after each change. The year documents belong to
// the store. A year document is written only when it was changed in memory;
// every write is one atomic save, and a failed save leaves the file, the
// document in memory and the modified flag as they were.
//
// The current lines: with no container open, the page list (PageList); with a
// page or sub-album open, the raw lines of its section in display order,
// which SaveCurrent writes back. Not thread-safe; main thread only.
class AlbumStore {
 public:
  AlbumStore(const DataFolders& folders, const FileTypeLists& types, TMemIniFile& pageIndex,
             TMemIniFile& lockList, FileStore& store = RealFileStore(),
             ThumbnailRenderer renderThumbnail = nullptr);
  AlbumStore(const AlbumStore&) = delete;
  AlbumStore& operator=(const AlbumStore&) = delete;
  ~AlbumStore();

  // ---- Year ----

  // Makes the year of `date` ("yyyy/mm/dd", or at least "yyyy") the shown
  // year. Does nothing when it already is, unless `force`. Leaves an open
  // container as GoBack(all) does, saves each year document that was
  // changed, then opens the new year's documents (a missing file gives an
  // empty document; nothing is created on disk). The summaries are rebuilt
  // by RebuildSummaries. On any failure (a save, or a new document that
  // exists but cannot be read) the old year stays shown and the error is
  // returned.
  Status SwitchYear(std::string_view date, bool force = false);
  const std::string& loadedYear() const { return loadedYear_; }
  bool HasYear() const { return yearDoc_ != nullptr; }

  // Rebuilds the year list, YearSectionIndex (when the list of year files
  // changed) and all page summaries; the page list becomes the current lines
  // when no container is open.
  void RebuildSummaries();

  // ---- Summaries and covers ----

  // The cover choice of `page` with the page index value `value`.
  CoverChoice PageCover(std::string_view page, std::string_view value) const;
  // Creates or renews the summary of `page`; drops it when the page has no
  // content in the shown year.
  void RefreshSummary(std::string_view page);
  // Renders every summary's thumbnail again; with `recount` also counts again.
  void RecountSummaries(bool recount);
  const std::vector<GRPDATA>& Summaries() const { return summaries_; }
  // The summary of `page`, created with zero counts and no thumbnail when
  // there is none.
  GRPDATA& EnsureSummary(std::string_view page);
  // The summary of `page`, or nullptr. Valid until the summaries change.
  GRPDATA* FindSummary(std::string_view page);
  const GRPDATA* FindSummary(std::string_view page) const;
  void DropSummary(std::string_view page);

  // ---- Page index, lock list, index of years ----

  // The page lines of "DATA", sorted; without `allPages` only pages whose
  // section in the shown year document holds lines. Lines that are not
  // "mm/dd=..." stay in the file but are not pages.
  std::vector<std::string> PageList(bool allPages) const;
  // Whether the page list shows all pages (the toggle of the album window).
  void SetShowAllPages(bool allPages);
  bool showAllPages() const { return showAllPages_; }

  bool PageUsedInOtherYears(std::string_view page, std::string_view year) const;
  const YearIndex& yearIndex() const { return yearIndex_; }
  // The entry lines of the year or sub-album document at `path` as its file
  // stands (YearIndex::CountLines): a file unchanged since its summary was
  // kept is not read again.
  Result<EntryLineCount> CountDocumentLines(const std::string& path);
  // Keeps the summaries of the documents read so far in "year-summaries.cache"
  // of `userDir` for the next run (DocumentSummaries::Store); the write's error.
  Status StoreYearSummaries();
  // Takes the pages of `year` ("yyyy") into YearSectionIndex from
  // `yearDocument` as just saved, for a year other than the shown one whose
  // file was changed outside the store.
  void ReindexYear(std::string_view year, const TMemIniFile& yearDocument);

  bool IsPageLocked(std::string_view year, std::string_view page) const;
  // Drops the lock of `name`: "mm/dd" means the page in the shown year, a
  // longer name is a whole "yyyy/mm/dd" key, a name of four characters or
  // fewer does nothing. Saves the lock list at once when a key was dropped.
  Status RemoveLockOf(std::string_view name);
  // Drops the locks of every page of `year` ("yyyy") and saves the lock list
  // when one was dropped; on a save failure the locks stay.
  Status RemoveLocksOfYear(std::string_view year);

  TMemIniFile& pageIndex() { return pageIndex_; }
  const TMemIniFile& pageIndex() const { return pageIndex_; }
  // Saves the page index now.
  Status SavePageIndex();

  // Gives back its page-index key (".alb") to every page that a year
  // document holds content for but the page index lacks, as a crash between
  // a year document's save and the index's leaves it; without the key the
  // page and its entries stay hidden. Reads the year documents through the
  // year index, saves the page index once when keys were added, and returns
  // the restored pages as "yyyy/mm/dd" (the first year using each). On a
  // save failure the keys stay added in memory and the error is returned;
  // an index that could not be read is left alone.
  Result<std::vector<std::string>> RestoreMissingPages();

  // ---- Documents of the shown year ----
  // REQUIRES for all: HasYear().

  const TMemIniFile& yearDocument() const { return *yearDoc_; }
  const TMemIniFile& subAlbumDocument() const { return *subDoc_; }
  // The document that holds the current container: the sub-album document
  // while a sub-album is open, else the year document.
  TMemIniFile& ContainerDocument();
  // Changes one of the documents in memory through `change` and marks it
  // changed (to be saved) and the album modified.
  void ChangeYearDocument(const std::function<void(TMemIniFile&)>& change);
  void ChangeSubAlbumDocument(const std::function<void(TMemIniFile&)>& change);
  // Saves the year document now (when it was changed).
  Status SaveYearDocument();

  // Replaces `section` of the container document by `lines` (deduped by
  // entry name first when `dedupe`) and saves that document at once: the
  // section moves to the end of the file, an empty-named section holding
  // lines is dropped, and a section written with no lines disappears. When
  // `section` is the current section, the current lines become the saved
  // lines. Clears the modified flag. Returns whether duplicates were dropped;
  // on a save failure nothing changes in memory and the error is returned.
  Result<bool> SaveSection(std::string_view section, std::vector<std::string> lines, bool dedupe);
  // Saves what is modified: the current section from the current lines, and
  // each changed document; renews the open page's summary; clears the
  // modified flag. On failure the flag and the lines stay and the error is
  // returned.
  Status SaveCurrent(bool dedupe);
  // Removes `page` from the shown year in memory: its sub-album sections and
  // its page section. Does nothing while that page itself is open.
  void ErasePage(std::string_view page);

  // ---- Current container ----

  bool PageOpen() const { return !openPage_.empty(); }
  bool SubAlbumOpen() const { return !subAlbumName_.empty(); }
  const std::string& openPage() const { return openPage_; }
  const std::string& currentSection() const { return section_; }
  const std::string& openSubAlbumName() const { return subAlbumName_; }
  // The title of the open container ("3月15日のページ", "3月15日の旅行").
  std::string ContainerTitle() const;

  // Opens `page` from the page list. Changes still pending in the year
  // documents are saved first; on a failure nothing is opened.
  Status OpenPage(std::string_view page);
  // Opens the sub-album `section` of the open page; a modified page is saved
  // first and its summary renewed. REQUIRES: a page and no sub-album is open.
  Status OpenSubAlbum(std::string_view section);
  // Saves what is modified, then leaves a sub-album for its page (and goes on
  // to the page list when `all`) or a page for the page list. Leaving a page
  // that was changed recounts all summaries. On a save failure nothing is left.
  Status GoBack(bool all);
  // The exit sequence: leaves the open container as GoBack(true) does, then
  // saves the year document and the sub-album document that were changed,
  // even when all their sections were deleted. A document never changed is
  // never written.
  Status Close();

  // The lines the image list shows (see the class comment).
  const std::vector<std::string>& Lines() const { return lines_; }
  // Replaces the current lines (edits of the list) and marks the album
  // modified.
  void SetLines(std::vector<std::string> lines);
  std::vector<std::string>& MutableLines() { return lines_; }
  // Shows the page list again as the current lines when no container is open.
  void RefreshPageList();
  // Reloads the current lines from the container document's section (or the
  // page list), dropping unsaved edits of the list, and clears the modified
  // flag.
  void ReloadLines();

  bool modified() const { return modified_; }
  void MarkModified() { modified_ = true; }
  // Summaries are recounted at the next GoBack from a page.
  void RequestRecount() { recountPending_ = true; }

  const FileTypeLists& types() const { return types_; }
  const DataFolders& folders() const { return folders_; }
  FileStore& fileStore() { return store_; }

 private:
  Status SaveDocument(TMemIniFile& doc, bool& changed);
  Status SaveChangedDocuments();
  void SyncYearIndex();
  void ApplySummary(std::string_view page, const CoverChoice& choice);
  GRPDATA CountSummary(std::string_view page, const std::string& cover) const;
  std::optional<std::string> Render(const std::string& cover) const;

  const DataFolders folders_;
  const FileTypeLists& types_;
  TMemIniFile& pageIndex_;
  TMemIniFile& lockList_;
  FileStore& store_;
  const ThumbnailRenderer renderThumbnail_;

  std::string loadedYear_;
  std::unique_ptr<TMemIniFile> yearDoc_;
  std::unique_ptr<TMemIniFile> subDoc_;
  bool yearDocChanged_ = false;  // the year document differs from its file
  bool subDocChanged_ = false;   // the sub-album document differs from its file

  std::string openPage_;
  std::string section_;
  std::string subAlbumName_;
  std::vector<std::string> lines_;
  bool modified_ = false;
  bool recountPending_ = false;
  bool showAllPages_ = false;

  std::vector<GRPDATA> summaries_;
  // While all summaries are built, whether each folder of a cover candidate
  // exists, so that pages of files in a missing folder look it up once.
  bool CoverFileExists(const std::string& path) const;
  mutable std::optional<std::unordered_map<std::string, bool>> folderExists_;
  YearIndex yearIndex_;
};

}  // namespace lumidex
