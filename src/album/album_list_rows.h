#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/long_operation.h"
#include "foundation/mem_ini_file.h"

namespace lumidex {

// One row of the album list window: its text, the file its picture shows,
// and where going to it leads, kept as a record (never parsed back from
// the text).
struct AlbumListRow {
  std::string text;
  std::string path;      // the file of the row; "" for a year row
  std::string date;      // "yyyy/mm/dd" of the page; "" for a year row
  std::string year;      // year rows: "yyyy"
  std::string subAlbum;  // the sub-album's name for its rows and files; ""
  std::string entry;     // the entry to select in the list; "" for none
};

// The documents of one year, as the window reads them.
struct YearDocuments {
  const TMemIniFile& pages;      // <yyyy>.ini
  const TMemIniFile& subAlbums;  // <yyyy>S.ini
};

using PageLocked = std::function<bool(std::string_view page)>;

// "サブアルバムの一覧": "yyyy/mm/dd > name" for every "@" entry of an
// unlocked page, its first file as the path; sorted by text.
std::vector<AlbumListRow> SubAlbumRows(std::string_view year, const YearDocuments& docs, const PageLocked& locked);

// "ページの一覧": the page count text of every unlocked page section, its
// first picture as the path; sorted by text.
std::vector<AlbumListRow> PageRows(std::string_view year, const YearDocuments& docs, const PageLocked& locked);

// Which files "ファイルの一覧" lists.
enum class FileListKind { kAll, kImages, kOthers };

// "ファイルの一覧": every file entry of the unlocked pages ("mm/dd > file"),
// and unless `withoutSubAlbums` of their sub-albums ("mm/dd name >> file"),
// filtered by `kind` (picture types or the others); sorted by text.
// Progress steps per section; a stop keeps the rows found.
std::vector<AlbumListRow> FileRows(std::string_view year, const YearDocuments& docs, FileListKind kind,
                                   bool withoutSubAlbums, const PageLocked& locked, LongOperation& progress);

// The labels of the lists of one year; the file list says
// "（サブアルバムは含まない）" only when the sub-albums were left out.
std::string SubAlbumListLabel(std::string_view year);
std::string PageListLabel(std::string_view year);
std::string FileListLabel(std::string_view year, FileListKind kind, bool withoutSubAlbums);

}  // namespace lumidex
