#pragma once

#include <string>
#include <string_view>

#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// The placement file "alb_data.ini" that copying a page to a folder leaves
// there, an INI document:
//   [file zoon]        the files that were directly on the page
//   name.jpg=
//   [<sub-album name>] the files of that sub-album, in the subfolder of that name
//   name.jpg=
// Keys are file names without folder; values are empty, or the entry's
// stored comment when copying to a folder wrote the file.
inline constexpr std::string_view kPlacementFileName = "alb_data.ini";
inline constexpr std::string_view kPlacementPageSection = "file zoon";

// What an import did.
struct PlacementImport {
  bool hadSections = false;  // the file had any section
  int unstorable = 0;        // files skipped: their paths cannot be entry names
};

// Registers the folder `folder` described by its placement file onto the
// page `pageKey` (its first five characters, "mm/dd") of the shown year:
// files of "file zoon" onto the page, files of any other section into the
// sub-album of that name (whose entry the page gets when at least one of
// its files exists). The file comes from outside: a section or key that is
// not a plain name ("/", "\", "..", "=" or line breaks) is skipped, so
// nothing outside the folder is ever registered; files that do not exist
// are skipped, and so are files whose paths cannot be entry names (a
// folder with "=" in its name; see CanStoreAsKey), which are counted.
// New entries take the keys' values as comments; entries already there
// keep their comments. The documents are saved, the
// open list or the page's summary renewed.
//
// Errors: a page key that is not "mm/dd", a sub-album open, a placement file
// that exists but cannot be read, or a document that cannot be saved (the
// additions then stay in memory, to be saved later).
Result<PlacementImport> ImportPlacement(AlbumStore& store, std::string_view pageKey,
                                        const std::string& folder);

}  // namespace lumidex
