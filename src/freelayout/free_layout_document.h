#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"
#include "foundation/mem_ini_file.h"
#include "foundation/status.h"
#include "freelayout/free_layout_item.h"
#include "freelayout/free_layout_tab.h"

namespace lumidex {

// The two ways free layout pages are kept, each in documents of its own.
enum class FreeLayoutWay {
  kByDate,   // pages named by their page key "mm/dd": <yyyy>.ini
  kByAlbum,  // pages named freely by the user: <yyyy>A.ini
};

// The file name of the document of `year` kept `way`, e.g. "2014A.ini".
std::string FreeLayoutFileName(int year, FreeLayoutWay way);

// The page counter "a/b": b = count; a = 0 when count <= 0 or index < 0,
// else index + 1.
std::string PageCounterText(int index, int count);

// The section name that marks a document of the current layout, with its one
// line "Tsubame=1". It is never a page.
inline constexpr std::string_view kVersionSection = "ver";

// What a save changed beyond the tab's own items, for the view to follow.
struct TabSaveOutcome {
  bool pageListChanged = false;  // the page was created or removed
  bool tabStripChanged = false;  // the tab was removed and later tabs renumbered
};

// The free layout document of one year and way: a TMemIniFile in albumDir
// whose sections are the pages (every section but "ver"). Pages are listed
// in sorted order. Every change is saved at once, atomically; when a save
// fails, the file and this document stay as they were. A document whose file
// cannot be read is never opened, so it can never be saved over.
// Not copyable; not thread-safe.
class FreeLayoutDocument {
 public:
  // The document of `year` and `way` in `albumDir` (ending in "/"), read
  // through ReadAlbumFile; a missing file gives an empty document. Error with
  // the read's message when the file exists but is no album document. Two
  // sections of one name (a file written by hand) are merged into one, so
  // that a save never leaves a second copy of a page behind.
  static Result<std::unique_ptr<FreeLayoutDocument>> Open(const std::string& albumDir, int year,
                                                         FreeLayoutWay way,
                                                         FileStore& store = RealFileStore());

  FreeLayoutDocument(const FreeLayoutDocument&) = delete;
  FreeLayoutDocument& operator=(const FreeLayoutDocument&) = delete;

  int year() const { return year_; }
  FreeLayoutWay way() const { return way_; }
  const std::string& FileName() const { return ini_->FileName(); }

  // The page names, sorted as the album sorts texts, without "ver". An empty
  // section is a page (a new album page has no lines yet).
  std::vector<std::string> PageNames() const;
  // True when `name` is one of PageNames (letter case aside).
  bool HasPage(std::string_view name) const;
  // `name` when it is a page, else the first page name; "" when there is no
  // page.
  std::string PickFreeLayoutPage(std::string_view name) const;
  // PageCounterText of `page`'s position among PageNames.
  std::string PageCounter(std::string_view page) const;

  // The lines of `page`; none for a page that does not exist.
  std::vector<std::string> PageLines(std::string_view page) const;
  TabStrip PageTabStrip(std::string_view page) const { return BuildTabStrip(PageLines(page)); }
  TabLoad LoadTab(std::string_view page, int tab) const;

  // Writes tab `tab` (negative counts as 0) of `page` with `items` in list
  // order and saves: the lines LoadTab loads for the tab are replaced
  // (unreadable lines stay), "ver" is written when missing, equal keys are
  // told apart (ReplaceTabItems). With no items, the tab's title line goes
  // and later tabs move down by one (RenumberTabs) while the page has other
  // lines; otherwise the whole page goes, except a page that had no lines
  // (a new album page), which stays. Error for an empty page name or
  // "ver", from ReplaceTabItems, or from the save ("ファイル %s を作成でき
  // ません"); the document and file then stay as they were.
  Result<TabSaveOutcome> SaveTab(std::string_view page, int tab,
                                 const std::vector<FreeLayoutItem>& items);

  // Closes gaps in the tab numbers of `page` (RenumberTabLines) and saves.
  // Nothing happens for a page that does not exist.
  Status RenumberTabs(std::string_view page);

  // Adds the album page `name` as an empty section and saves. Error for an
  // empty name, "ver", a name with control characters, a page that exists,
  // or a failed save (nothing changes then).
  Status CreateAlbumPage(std::string_view name);

  // Removes page `page` and saves. Nothing happens for a page that does not
  // exist; on a failed save nothing changes.
  Status RemovePage(std::string_view page);

  // Renames album page `page` to `newName` (CheckAlbumName) and saves: the
  // section, with its lines in order, moves to the end of the document.
  // Error for a name that cannot name a page, a page that does not exist,
  // another page of that name (letter case aside), or a failed save;
  // nothing changes then. The same name (letter case aside) changes nothing.
  Status RenamePage(std::string_view page, std::string_view newName);

  // Sets the title of tab `tab` of `page` in place (appended when the tab
  // has none; "" removes it) and saves. Error for a page that does not exist, a title with control
  // characters, or a failed save; nothing changes then.
  Status SetTabTitle(std::string_view page, int tab, std::string_view title);

  // Swaps tab `tab` of `page` with the tab before it (MoveTabEarlierLines)
  // and saves. Nothing happens for `tab` < 1 or a page that does not exist.
  Status MoveTabEarlier(std::string_view page, int tab);

 private:
  FreeLayoutDocument(std::unique_ptr<TMemIniFile> ini, int year, FreeLayoutWay way);

  // Replaces the lines of `page` (moving its section to the end of the
  // document, as the album does when it rewrites a section).
  void PutPage(std::string_view page, std::vector<std::string> lines);
  // Saves; on failure puts the document back to `before` (its text).
  Status SaveOrRestore(const std::string& before);

  std::unique_ptr<TMemIniFile> ini_;
  const int year_;
  const FreeLayoutWay way_;
};

}  // namespace lumidex
