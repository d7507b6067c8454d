#include "album/album_list_delete.h"

#include <cerrno>
#include <cstring>
#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <unistd.h>

#include "album/album_store.h"
#include "album/album_text.h"
#include "album/page_counts.h"

namespace lumidex {
namespace {

constexpr std::string_view kPageIndexSection = "DATA";
// The page index value of a page whose cover the album chooses.
constexpr size_t kPageLength = 5;

std::string PageOf(const AlbumListRow& row) { return row.date.size() >= 10 ? row.date.substr(5, kPageLength) : ""; }

std::string YearOf(const AlbumListRow& row) {
  return KindOf(row) == AlbumListRowKind::kYear ? row.year : row.date.substr(0, 4);
}

std::string SingleTarget(const AlbumListRow& row) {
  switch (KindOf(row)) {
    case AlbumListRowKind::kYear:
      return row.year + "年のアルバム";
    case AlbumListRowKind::kPage:
      return PageOf(row) + "のページ";
    case AlbumListRowKind::kSubAlbum:
      return row.text.substr(0, 10) + "のサブアルバム";
    case AlbumListRowKind::kFile:
      return PageOf(row) + "のページから '" + row.entry + "' ";
  }
  return {};
}

const char* Noun(AlbumListRowKind kind) {
  switch (kind) {
    case AlbumListRowKind::kYear:
      return "アルバム";
    case AlbumListRowKind::kPage:
      return "ページ";
    case AlbumListRowKind::kSubAlbum:
      return "サブアルバム";
    case AlbumListRowKind::kFile:
      return "ファイル";
  }
  return "";
}

void DropAll(TMemIniFile& doc, std::string_view section) {
  while (doc.FindSection(section) != nullptr) doc.DropSection(section);
}

// A section whose last entry went is dropped, as the list's own deletes do.
void DropIfEmpty(TMemIniFile& doc, std::string_view section) {
  if (doc.FindSection(section) != nullptr && !doc.HasSection(section)) DropAll(doc, section);
}

// The two documents of one year, read from disk for the deletion.
struct YearFiles {
  std::unique_ptr<TMemIniFile> pages;
  std::unique_ptr<TMemIniFile> subAlbums;
  bool pagesChanged = false;
  bool subAlbumsChanged = false;
};

// Removes one row's content from its year's documents.
void EraseRow(const AlbumListRow& row, YearFiles& files) {
  const std::string page = PageOf(row);
  switch (KindOf(row)) {
    case AlbumListRowKind::kYear:
      break;
    case AlbumListRowKind::kPage:
      for (const std::string& section : files.subAlbums->SectionNames()) {
        if (section.size() > kPageLength && section.compare(0, kPageLength, page) == 0) DropAll(*files.subAlbums, section);
      }
      DropAll(*files.pages, page);
      files.pagesChanged = files.subAlbumsChanged = true;
      break;
    case AlbumListRowKind::kSubAlbum:
      files.pages->DropKey(page, "@" + page + row.subAlbum);
      DropIfEmpty(*files.pages, page);
      DropAll(*files.subAlbums, page + row.subAlbum);
      files.pagesChanged = files.subAlbumsChanged = true;
      break;
    case AlbumListRowKind::kFile:
      if (row.subAlbum.empty()) {
        files.pages->DropKey(page, row.entry);
        DropIfEmpty(*files.pages, page);
        files.pagesChanged = true;
      } else {
        files.subAlbums->DropKey(page + row.subAlbum, row.entry);
        DropIfEmpty(*files.subAlbums, page + row.subAlbum);
        files.subAlbumsChanged = true;
      }
      break;
  }
}

Status RemoveFile(const std::string& path) {
  if (::unlink(path.c_str()) == 0 || errno == ENOENT) return Status::Ok();
  return Status::Error("ファイル " + path + " を削除できません: " + std::strerror(errno));
}

// How the deletion in one year went: `erased` once the rows are gone from
// the files, even when a later step (a lock, the sub-album document of a
// deleted year) failed.
struct YearOutcome {
  bool erased = false;
  Status status = Status::Ok();
};

// Deletes a whole year: its year document first, and only when that went
// its sub-album document and its locks. `pages` receives the year's pages.
YearOutcome DeleteYear(AlbumStore& album, const std::string& year, std::set<std::string>& pages) {
  const std::string base = album.folders().photoDir + year;
  if (auto doc = OpenOtherYearDocument(base + ".ini", album.fileStore()); doc.ok()) {
    for (const std::string& section : doc.value()->SectionNames()) {
      if (IsPageKey(section)) pages.insert(section);
    }
  }
  if (Status s = RemoveFile(base + ".ini"); !s.ok()) return {false, s};
  if (Status s = RemoveFile(base + "S.ini"); !s.ok()) return {true, s};
  return {true, album.RemoveLocksOfYear(year)};
}

// Deletes the rows `indexes` of one year (not a year row) from its files.
YearOutcome DeleteInYear(AlbumStore& album, const std::string& year, const std::vector<AlbumListRow>& rows,
                         const std::vector<size_t>& indexes, std::set<std::string>& pages) {
  const std::string base = album.folders().photoDir + year;
  YearFiles files;
  auto pagesDoc = OpenOtherYearDocument(base + ".ini", album.fileStore());
  if (!pagesDoc.ok()) return {false, pagesDoc.status()};
  auto subDoc = OpenOtherYearDocument(base + "S.ini", album.fileStore());
  if (!subDoc.ok()) return {false, subDoc.status()};
  files.pages = std::move(pagesDoc).value();
  files.subAlbums = std::move(subDoc).value();
  for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
    EraseRow(rows[*it], files);
    pages.insert(PageOf(rows[*it]));
  }
  // The year document goes first: a failure between the two writes leaves
  // sub-album sections without their entries, which nothing shows, never
  // entries pointing at a sub-album that is gone.
  if (files.pagesChanged) {
    if (Status s = files.pages->Save(); !s.ok()) return {false, s};
    album.ReindexYear(year, *files.pages);
  }
  if (files.subAlbumsChanged) {
    if (Status s = files.subAlbums->Save(); !s.ok()) return {files.pagesChanged, s};
  }
  Status unlocked = Status::Ok();
  for (size_t index : indexes) {
    if (KindOf(rows[index]) != AlbumListRowKind::kPage) continue;
    if (Status s = album.RemoveLockOf(rows[index].date); !s.ok() && unlocked.ok()) unlocked = s;
  }
  return {true, unlocked};
}

}  // namespace

AlbumListRowKind KindOf(const AlbumListRow& row) {
  if (row.date.empty()) return AlbumListRowKind::kYear;
  if (!row.entry.empty()) return AlbumListRowKind::kFile;
  if (!row.subAlbum.empty()) return AlbumListRowKind::kSubAlbum;
  return AlbumListRowKind::kPage;
}

DeleteQuestionText AlbumListDeleteQuestion(const std::vector<AlbumListRow>& rows) {
  const std::string target = rows.size() == 1
                                 ? SingleTarget(rows.front())
                                 : std::to_string(rows.size()) + "個の" + Noun(KindOf(rows.front()));
  return {target + "を削除します。よろしいですか？", "削除確認"};
}

AlbumListDeletion DeleteAlbumListRows(AlbumStore& album, const std::vector<AlbumListRow>& rows) {
  AlbumListDeletion result;
  // The rows are deleted from the files: the shown year's edits must be in
  // them, and no open page may write its lines back afterwards.
  if (album.HasYear()) {
    const Status left = album.PageOpen() ? album.GoBack(true) : album.SaveCurrent(false);
    if (!left.ok()) {
      result.status = left;
      return result;
    }
  }
  std::map<std::string, std::vector<size_t>> byYear;
  for (size_t i = 0; i < rows.size(); ++i) {
    const std::string year = YearOf(rows[i]);
    if (year.size() == 4) byYear[year].push_back(i);
  }
  std::set<std::string> pages;
  bool shownYearChanged = false;
  for (const auto& [year, indexes] : byYear) {
    bool wholeYear = false;
    for (size_t index : indexes) wholeYear |= KindOf(rows[index]) == AlbumListRowKind::kYear;
    const YearOutcome done =
        wholeYear ? DeleteYear(album, year, pages) : DeleteInYear(album, year, rows, indexes, pages);
    if (!done.status.ok() && result.status.ok()) result.status = done.status;
    if (!done.erased) continue;
    result.deleted.insert(result.deleted.end(), indexes.begin(), indexes.end());
    shownYearChanged |= album.HasYear() && year == album.loadedYear();
  }
  std::sort(result.deleted.begin(), result.deleted.end());

  // Rebuild, then clean: the page index is tidied only against an index of
  // years that already sees every deletion.
  if (shownYearChanged) {
    if (Status s = album.SwitchYear(album.loadedYear(), true); !s.ok() && result.status.ok()) result.status = s;
  }
  album.RebuildSummaries();
  bool indexChanged = false;
  for (const std::string& page : pages) {
    const std::string cover = album.pageIndex().GetValue(kPageIndexSection, page, "");
    if (!IsAutomaticCover(cover) || album.PageUsedInOtherYears(page, "1000")) continue;
    album.pageIndex().DropKey(kPageIndexSection, page);
    indexChanged = true;
  }
  if (indexChanged) {
    if (Status s = album.SavePageIndex(); !s.ok() && result.status.ok()) result.status = s;
    album.RefreshPageList();
  }
  return result;
}

}  // namespace lumidex
