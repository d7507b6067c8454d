#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/mem_ini_file.h"

namespace lumidex {

// The favourites of one year: the document `<yyyy>.ini` of the user's
// "myphoto" folder, one section per page "mm/dd". A file of a page is its
// path with the page as value, a file of a sub-album its path with "@" and
// the sub-album's section as value, a sub-album its reference "@mm/ddname"
// with an empty value.

// One row of the favourites panel: a stored favourite (key and value), or
// a temporary file pasted into the panel, which is never stored.
struct FavouriteRow {
  std::string key;    // path, or "@" + sub-album section; the bare path of a temporary row
  std::string value;  // "mm/dd", "@" + sub-album section, or ""
  bool temporary = false;

  bool isSubAlbum() const { return !temporary && !key.empty() && key[0] == '@'; }
  // The page "mm/dd" the favourite belongs to; "" for a temporary row.
  std::string Page() const;
  // The columns of the panel: "日付" ("一時" for a temporary row),
  // "サブアルバム" and "ファイル名".
  std::string DateColumn() const;
  std::string SubAlbumColumn() const;
  std::string FileNameColumn() const;
  // The file the favourite shows; "" for a sub-album.
  std::string File() const { return isSubAlbum() ? std::string() : key; }
};

// The favourites document of `year` in `myPhotoDir`.
std::string FavouritesFile(std::string_view myPhotoDir, std::string_view year);

// Adds the entries `lines` (entry lines "name=comment" of the open
// container) as favourites of `page`; `subAlbumSection` is the open
// sub-album's section, "" when the page itself is open. A key already there
// is overwritten. Returns the rows added, in order.
std::vector<FavouriteRow> AddFavourites(TMemIniFile& doc, std::string_view page,
                                        std::string_view subAlbumSection, const std::vector<std::string>& lines);

// The rows of the panel: with `openPage` "" every section in ascending
// order of name and the entries of each in ascending text order; else only
// the section of `openPage`. Sections of pages `hidden` says are locked are
// left out.
std::vector<FavouriteRow> FavouriteRows(const TMemIniFile& doc, std::string_view openPage,
                                        const std::function<bool(std::string_view page)>& hidden = nullptr);

// The panel's title: "2014年のお気に入り" with no page open, else "8月2日のお
// 気に入り" for the page "08/02" (read from the page itself, so 02/29 needs
// no year), "日付不明のお気に入り" for a page that is no date.
std::string FavouritesTitle(std::string_view year, std::string_view openPage);

// The question before deleting `rows`: "'a.jpg' を お気に入りから削除して
// よろしいですか？", "サブアルバムの '旅行' を …", or "3個のファイルを …".
std::string FavouriteDeleteQuestion(const std::vector<FavouriteRow>& rows);

// Deletes the stored favourites of `rows` from `doc` (temporary rows have
// nothing stored); a page left without favourites loses its section. Only
// the bookmarks go; files and sub-albums stay.
void DeleteFavourites(TMemIniFile& doc, const std::vector<FavouriteRow>& rows);

}  // namespace lumidex
