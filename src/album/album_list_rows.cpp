#include "album/album_list_rows.h"

#include <algorithm>

#include "album/album_path.h"
#include "album/album_text.h"
#include "album/page_counts.h"
#include "foundation/file_types.h"

namespace lumidex {
namespace {

constexpr size_t kPageLength = 5;

void SortByText(std::vector<AlbumListRow>& rows) {
  std::stable_sort(rows.begin(), rows.end(),
                   [](const AlbumListRow& a, const AlbumListRow& b) { return a.text < b.text; });
}

bool IsPage(std::string_view section) { return section.size() == kPageLength; }

std::string FirstFile(const std::vector<std::string>& lines, bool picturesOnly) {
  for (const std::string& line : lines) {
    const std::string_view name = EntryNameOf(line);
    if (name.empty() || IsSubAlbumEntry(name)) continue;
    if (!picturesOnly || FileTypeLists::IsImageType(ExtensionOf(name))) return std::string(name);
  }
  return {};
}

bool Wanted(std::string_view path, FileListKind kind) {
  if (kind == FileListKind::kAll) return true;
  return FileTypeLists::IsImageType(ExtensionOf(path)) == (kind == FileListKind::kImages);
}

}  // namespace

std::vector<AlbumListRow> SubAlbumRows(std::string_view year, const YearDocuments& docs, const PageLocked& locked) {
  std::vector<AlbumListRow> rows;
  for (const std::string& section : docs.pages.SectionNames()) {
    if (!IsPage(section) || (locked && locked(section))) continue;
    for (const std::string& line : docs.pages.SectionLines(section)) {
      const std::string_view name = EntryNameOf(line);
      if (!IsSubAlbumEntry(name) || name.size() <= kPageLength + 1) continue;
      AlbumListRow row;
      row.date = std::string(year) + "/" + section;
      row.subAlbum = std::string(SubAlbumNameOf(name.substr(1)));
      row.text = row.date + " > " + row.subAlbum;
      row.path = FirstFile(docs.subAlbums.SectionLines(name.substr(1)), false);
      rows.push_back(std::move(row));
    }
  }
  SortByText(rows);
  return rows;
}

std::vector<AlbumListRow> PageRows(std::string_view year, const YearDocuments& docs, const PageLocked& locked) {
  std::vector<AlbumListRow> rows;
  for (const std::string& section : docs.pages.SectionNames()) {
    if (!IsPage(section) || (locked && locked(section))) continue;
    AlbumListRow row;
    row.date = std::string(year) + "/" + section;
    row.text = PageListText(section, CountPage(docs.pages, docs.subAlbums, section));
    row.path = FirstFile(docs.pages.SectionLines(section), true);
    rows.push_back(std::move(row));
  }
  SortByText(rows);
  return rows;
}

std::vector<AlbumListRow> FileRows(std::string_view year, const YearDocuments& docs, FileListKind kind,
                                   bool withoutSubAlbums, const PageLocked& locked, LongOperation& progress) {
  std::vector<AlbumListRow> rows;
  std::vector<std::pair<const TMemIniFile*, std::string>> sections;
  for (const std::string& section : docs.pages.SectionNames()) sections.emplace_back(&docs.pages, section);
  if (!withoutSubAlbums) {
    for (const std::string& section : docs.subAlbums.SectionNames()) sections.emplace_back(&docs.subAlbums, section);
  }
  progress.Begin(static_cast<int>(sections.size()));
  int done = 0;
  for (const auto& [doc, section] : sections) {
    if (progress.Step(done++, section)) break;
    if (section.size() < kPageLength || (locked && locked(section.substr(0, kPageLength)))) continue;
    const bool inSubAlbum = doc == &docs.subAlbums;
    const std::string page = section.substr(0, kPageLength);
    const std::string subAlbum = inSubAlbum ? section.substr(kPageLength) : std::string();
    for (const std::string& line : doc->SectionLines(section)) {
      const std::string_view name = EntryNameOf(line);
      if (name.empty() || IsSubAlbumEntry(name) || !Wanted(name, kind)) continue;
      AlbumListRow row;
      row.date = std::string(year) + "/" + page;
      row.subAlbum = subAlbum;
      row.entry = std::string(name);
      row.path = row.entry;
      row.text = inSubAlbum ? page + " " + subAlbum + " >> " + row.entry : page + " > " + row.entry;
      rows.push_back(std::move(row));
    }
  }
  progress.End();
  SortByText(rows);
  return rows;
}

std::string SubAlbumListLabel(std::string_view year) { return std::string(year) + "年のサブアルバム"; }

std::string PageListLabel(std::string_view year) {
  return std::string(year) + "年のアルバムに作成されたページの一覧";
}

std::string FileListLabel(std::string_view year, FileListKind kind, bool withoutSubAlbums) {
  const char* which = kind == FileListKind::kAll ? "全ての" : kind == FileListKind::kImages ? "画像" : "画像以外の";
  return std::string(year) + "年のアルバムに登録されている" + which + "ファイル" +
         (withoutSubAlbums ? "（サブアルバムは含まない）" : "");
}

}  // namespace lumidex
