#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "album/album_info_line.h"
#include "foundation/file_types.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;
class EntryNameSet;
class RegistrabilityCheck;
class RegistrationPrompts;

// What kind of lines a batch holds.
enum class IncomingKind {
  kPaths,      // file and folder paths (file dialog, drop, other programs' file lists)
  kAlbumInfo,  // album information: "path=comment", "@yyyy" + section + "=comment", or paths
};

// What one batch added, and what it could not take.
struct RegistrationTally {
  int files = 0;          // file entries added
  int subAlbums = 0;      // sub-album entries added
  int subAlbumFiles = 0;  // lines of the sub-albums copied with them
  int unstorable = 0;     // paths that cannot be entry names (see CanStoreAsKey)
  int rejected = 0;       // sub-album lines of album information that were not valid

  int added() const { return files + subAlbums; }
};

// The registrable files below a folder (picture types and managed types),
// as paths; an Error status when the search was stopped.
using FolderSearch = std::function<Result<std::vector<std::string>>(const std::string& folder)>;

// The message shown when a batch held paths that cannot be stored.
std::string UnstorablePathsMessage(int count);

// Brings files and album information into the album: into the open page or
// sub-album (AddToContainer, InsertEntries) or into a page of the shown
// year while none is open (AddToPage), copying sub-albums between pages and
// years. Holds the cut-pending flag of the clipboard. Every addition keeps
// the comments already in the album: an entry that is there is never
// replaced. Main thread only; holds references to its collaborators, which
// must outlive it.
class EntryRegistration {
 public:
  EntryRegistration(AlbumStore& store, FileTypeLists& types, RegistrationPrompts& prompts,
                    FolderSearch searchFolder);
  EntryRegistration(const EntryRegistration&) = delete;
  EntryRegistration& operator=(const EntryRegistration&) = delete;

  // Adds `lines` to the open container (REQUIRES: a page is open). Up to 100
  // lines are appended in their order, the files found in folders merged in
  // sorted; a larger batch is merged and the whole section sorted. Every line
  // is checked. Pending edits of the list are saved with the additions, at
  // once; the page's summary is counted again and the modified flag set.
  // Paths that cannot be stored are counted and reported through the
  // prompts. On a failed save the additions stay in the list, modified.
  Result<RegistrationTally> AddToContainer(const std::vector<std::string>& lines,
                                           IncomingKind kind);

  // Adds `lines` to `page` ("mm/dd") of the shown year while no container is
  // open, creating the page in the page index when it is missing. The
  // page's section is merged with the lines and sorted, then saved; its
  // summary is counted again. Error for a text that is not a page key, or
  // while a page is open.
  Result<RegistrationTally> AddToPage(std::string_view page, const std::vector<std::string>& lines,
                                      IncomingKind kind);

  // Inserts `lines` in their order before the line `before` of the open
  // container (REQUIRES: a page is open; `before` past the end appends).
  // Files must be registrable and not on the list yet; sub-albums are
  // copied into the open page (not while a sub-album is open). Returns the
  // indexes of the inserted lines; cut is no longer pending.
  Result<std::vector<size_t>> InsertEntries(size_t before, const std::vector<std::string>& lines,
                                            IncomingKind kind);

  // Removes the selected lines of the open container and returns them in
  // list order in album-info form for the clipboard; cut is then pending.
  std::vector<std::string> CutEntries(const std::vector<size_t>& selection);

  // Copies the sub-album `info` into `page` of the shown year: its lines go
  // to the section `page` + name of the shown year's sub-album document
  // (an entry there keeps its comment unless the copy brings one). With cut
  // pending the source section is removed from its document (for the shown
  // year the one in memory, which is saved with the album; for another year
  // its file, saved at once). Returns the new entry name "@" + section and
  // the number of lines; a missing source gives an empty sub-album.
  struct CopiedSubAlbum {
    std::string entryName;
    int lineCount = 0;
  };
  Result<CopiedSubAlbum> CopySubAlbum(const SubAlbumInfo& info, std::string_view page);

  bool cutPending() const { return cutPending_; }
  void SetCutPending(bool pending) { cutPending_ = pending; }

 private:
  struct Collected {
    std::vector<std::string> ordered;      // lines in their order
    std::vector<std::string> folderFiles;  // "path=" lines found in folders
    RegistrationTally tally;
    bool cutConsumed = false;  // a sub-album was moved away from its source
  };
  Status Collect(const std::string& line, IncomingKind kind, std::string_view page,
                 bool allowSubAlbums, EntryNameSet& names, RegistrabilityCheck& check,
                 Collected& out);
  void Finish(const Collected& collected, std::string_view page);

  AlbumStore& store_;
  FileTypeLists& types_;
  RegistrationPrompts& prompts_;
  const FolderSearch searchFolder_;
  bool cutPending_ = false;
};

// Counts the page `page` of the shown year afresh (its summary is made
// again from the documents; none when it has no content).
void RecountPage(AlbumStore& store, std::string_view page);

}  // namespace lumidex
