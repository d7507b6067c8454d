#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "foundation/mem_ini_file.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// What the page "mm/dd" holds in one year: its file entries and sub-album
// references (keys of its section) and the files of its sub-albums (entry
// lines of the sub-album sections whose name begins with "mm/dd").
struct PageCounts {
  long long files = 0;
  long long subAlbums = 0;
  long long subAlbumFiles = 0;
};

PageCounts CountPage(const TMemIniFile& yearDocument, const TMemIniFile& subAlbumDocument, std::string_view page);

// The page's line of the album list's page list: "03/15 （1,234枚） ",
// followed by "（2冊 - 56枚）" when the page has sub-albums.
std::string PageListText(std::string_view page, const PageCounts& counts);

// The page's line for another year: "2012年 （1,234枚）", followed by
// " （2冊 - 56枚）" when the page has sub-albums.
std::string PageUseLine(std::string_view year, const PageCounts& counts);

// A document of a year other than the shown one, read afresh: a missing
// file gives an empty document (nothing is created); one that cannot be
// read gives its message and is never written over.
Result<std::unique_ptr<TMemIniFile>> OpenOtherYearDocument(const std::string& file, FileStore& store);

// The page use text of `page` ("mm/dd"): the PageUseLine of every year of
// the album other than `year` whose year document has the page, in year
// order, joined by CR LF; "" when no other year has it. The shown year's
// documents are read as they stand in memory, others from their files; the
// message of a document that exists but cannot be read.
Result<std::string> PageUseText(AlbumStore& store, std::string_view page, std::string_view year);

}  // namespace lumidex
