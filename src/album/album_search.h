#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "album/album_text.h"
#include "album/search_match.h"
#include "foundation/file_store.h"
#include "foundation/long_operation.h"

namespace lumidex {

// What the picture search looks at: file names, folder names, sub-album
// names and comments ("ファイル名", "フォルダ名", "サブアルバム名", "コメント").
struct SearchTargets {
  bool fileNames = false;
  bool folders = false;
  bool subAlbums = false;
  bool comments = false;
  bool any() const { return fileNames || folders || subAlbums || comments; }
};

struct SearchRequest {
  std::string text;
  SearchTargets targets;
  SearchOptions options;
};

// One hit of the album search, as a record (never parsed back from text).
struct SearchHit {
  enum class Kind { kFile = 0, kSubAlbum = 1, kComment = 2 };
  Kind kind = Kind::kFile;
  std::string date;      // "yyyy/mm/dd" of the page
  std::string subAlbum;  // the sub-album holding the entry, or the sub-album found; "" on a page
  std::string entry;     // the entry's name: a path, or "@" + sub-album section
  std::string comment;   // the entry's comment as stored
  // Sub-album entries: the path of the sub-album's first entry ("" when it
  // has none), and its number of entries.
  std::string firstPath;
  int entryCount = 0;

  // The file to show: the entry's path, or for a sub-album entry the path
  // of the sub-album's first entry. (File hits keep no copy of their path:
  // a search may find hundreds of thousands.)
  const std::string& Path() const { return IsSubAlbumEntry(entry) ? firstPath : entry; }

  // The location text of the result list: "yyyy/mm/dd > entry text" on a
  // page, "yyyy/mm/dd name >> entry text" in a sub-album; the entry text of
  // a sub-album found by name is its name and " (N枚)", followed by "@\@"
  // and its first path when it has entries.
  std::string Location() const;
};

struct SearchOutcome {
  std::vector<SearchHit> hits;  // ordered by Location, byte by byte
  bool aborted = false;
  // Year documents that could not be read (searched as empty).
  std::vector<std::string> problems;
};

// Whether the page "mm/dd" of `year` is locked (its content is never shown).
using PageLockTest = std::function<bool(std::string_view year, std::string_view page)>;

// Told the hits of each year as soon as that year is searched, in file
// order (the outcome orders them by location at the end); the span is valid
// only during the call.
using HitsFound = std::function<void(std::span<const SearchHit> hits)>;

// Searches every year document `<yyyy>.ini` and sub-album document
// `<yyyy>S.ini` of `photoDir` for the years `years` ("yyyy", in order):
// every entry of every section whose page is not locked in that year. A
// file entry is a hit by its file name or folder (the targets chosen), else
// by its comment; a sub-album entry by its sub-album's name, else by its
// comment. Names and comments are tested with the same rule (Matches over
// NeedleVariants). Each line of a document is looked at once, in file order,
// also when two sections have the same name. Only lines that can hold a hit
// are decoded (Cp932Needles). Progress steps at each section with a line to
// test and after each year; the abort request stops the walk, keeping the
// hits found. `found`, when given, hears the hits of each year as they come.
SearchOutcome SearchAlbum(const std::string& photoDir, const std::vector<std::string>& years,
                          const PageLockTest& locked, const SearchRequest& request, LongOperation& progress,
                          FileStore& store = RealFileStore(), const HitsFound& found = nullptr);

// The message after an album search: "'text' は、見つかりませんでした。", or
// "'text' の検索で N個、見つかりました。リストを選択するとその場所へジャンプします。".
std::string SearchResultMessage(std::string_view text, size_t hits);

}  // namespace lumidex
