#include "album/favourites.h"

#include <algorithm>

#include "album/album_path.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"

namespace lumidex {
namespace {

constexpr size_t kPageLength = 5;

bool IsTwoDigits(std::string_view text, size_t at) {
  return text.size() >= at + 2 && text[at] >= '0' && text[at] <= '9' && text[at + 1] >= '0' && text[at + 1] <= '9';
}

}  // namespace

std::string FavouriteRow::Page() const {
  if (temporary) return {};
  if (isSubAlbum()) return key.substr(1, kPageLength);
  if (!value.empty() && value[0] == '@') return value.substr(1, kPageLength);
  return value;
}

std::string FavouriteRow::DateColumn() const { return temporary ? "一時" : Page(); }

std::string FavouriteRow::SubAlbumColumn() const {
  if (temporary) return {};
  const std::string& reference = isSubAlbum() ? key : value;
  if (reference.empty() || reference[0] != '@') return {};
  return std::string(SubAlbumNameOf(std::string_view(reference).substr(1)));
}

std::string FavouriteRow::FileNameColumn() const { return isSubAlbum() ? std::string() : std::string(FileNameOf(key)); }

std::string FavouritesFile(std::string_view myPhotoDir, std::string_view year) {
  return WithTrailingSlash(myPhotoDir) + std::string(year) + ".ini";
}

std::vector<FavouriteRow> AddFavourites(TMemIniFile& doc, std::string_view page, std::string_view subAlbumSection,
                                        const std::vector<std::string>& lines) {
  std::vector<FavouriteRow> added;
  for (const std::string& line : lines) {
    const std::string name(EntryNameOf(line));
    if (name.empty()) continue;
    FavouriteRow row{name, std::string(), false};
    if (!IsSubAlbumEntry(name)) row.value = subAlbumSection.empty() ? std::string(page) : "@" + std::string(subAlbumSection);
    doc.SetValue(page, row.key, row.value);
    added.push_back(std::move(row));
  }
  return added;
}

std::vector<FavouriteRow> FavouriteRows(const TMemIniFile& doc, std::string_view openPage,
                                        const std::function<bool(std::string_view page)>& hidden) {
  std::vector<std::string> sections;
  if (openPage.empty()) {
    sections = doc.SectionNames();
    std::sort(sections.begin(), sections.end());
  } else {
    sections.emplace_back(openPage);
  }
  std::vector<FavouriteRow> rows;
  for (const std::string& section : sections) {
    if (hidden && hidden(section)) continue;
    std::vector<std::string> lines = doc.SectionLines(section);
    std::sort(lines.begin(), lines.end());
    for (const std::string& line : lines) {
      const std::string_view name = EntryNameOf(line);
      if (!name.empty()) rows.push_back({std::string(name), std::string(EntryCommentOf(line)), false});
    }
  }
  return rows;
}

std::string FavouritesTitle(std::string_view year, std::string_view openPage) {
  if (openPage.empty()) return std::string(year) + "年のお気に入り";
  if (openPage.size() != kPageLength || !IsTwoDigits(openPage, 0) || openPage[2] != '/' || !IsTwoDigits(openPage, 3)) {
    return "日付不明のお気に入り";
  }
  const int month = (openPage[0] - '0') * 10 + (openPage[1] - '0');
  const int day = (openPage[3] - '0') * 10 + (openPage[4] - '0');
  if (month < 1 || month > 12 || day < 1 || day > 31) return "日付不明のお気に入り";
  return std::to_string(month) + "月" + std::to_string(day) + "日のお気に入り";
}

std::string FavouriteDeleteQuestion(const std::vector<FavouriteRow>& rows) {
  std::string what;
  if (rows.size() == 1) {
    const FavouriteRow& row = rows.front();
    what = row.isSubAlbum() ? "サブアルバムの '" + row.SubAlbumColumn() : "'" + std::string(FileNameOf(row.key));
    what += "' ";
  } else {
    what = std::to_string(rows.size()) + "個のファイル";
  }
  return what + "を お気に入りから削除してよろしいですか？";
}

void DeleteFavourites(TMemIniFile& doc, const std::vector<FavouriteRow>& rows) {
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    if (row->temporary) continue;
    const std::string page = row->Page();
    doc.DropKey(page, row->key);
    // A page without favourites keeps no empty section.
    if (doc.KeyNames(page).empty()) doc.DropSection(page);
  }
}

}  // namespace lumidex
