#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

class AlbumStore;

// What goes to the clipboard from the image list. `selection` holds indexes
// into AlbumStore::Lines(): pages of the page list while no container is
// open, else entries of the open page or sub-album. Pages locked in the
// shown year are skipped.

// "コピー(&C)" of the list: the files of the selection (a page gives its file
// entries and the files of its sub-albums; a sub-album entry gives its
// files), sorted, without exact duplicates and without files that do not
// exist. `copiedComments` holds "path=comment" of every copied entry with a
// comment while a container is open (lines joined with CR LF), for the free
// layout's paste.
struct CopiedFiles {
  std::vector<std::string> paths;
  std::string copiedComments;
};
CopiedFiles CopyFiles(const AlbumStore& store, const std::vector<size_t>& selection);

// "コピー（アルバム情報）": the raw lines of the selection with sub-album lines in
// album-info form (a page gives every line of its section), sorted, without
// exact duplicates.
std::vector<std::string> CopyAlbumInfo(const AlbumStore& store,
                                       const std::vector<size_t>& selection);

// The plain text form of album information on the clipboard: one line each,
// every line ended by CR LF. Entry lines never hold CR or LF (comments store
// line breaks as "･･").
std::string AlbumInfoText(const std::vector<std::string>& lines);
// The lines of an album information text; empty lines are dropped, and CR
// LF, CR and LF all end a line.
std::vector<std::string> ParseAlbumInfoText(std::string_view text);

}  // namespace lumidex
