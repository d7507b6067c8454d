#include "imagelist/detail_rows.h"

#include <algorithm>
#include <charconv>
#include <sys/stat.h>

#include "album/album_path.h"
#include "album/album_text.h"
#include "foundation/file_paths.h"
#include "foundation/file_types.h"
#include "foundation/text_compare.h"
#include "images/exif_reader.h"
#include "imagelist/file_date_text.h"

namespace lumidex {
namespace {

// Summary keys of the shooting-information columns, in column order.
constexpr std::array<int, kExifColumnCount> kExifColumnKeys = {0, 1, 2, 3, 4, 5, 6, 7,
                                                               8, 9, 10, 12, 13, 14, 17};

constexpr std::string_view kSubAlbumTypeName = "サブアルバム";

// "yyyy/MM/dd HH:mm:ss" without its seconds.
constexpr size_t kDateTextLength = 16;

int ColumnOfKey(int key) {
  const auto* found = std::find(kExifColumnKeys.begin(), kExifColumnKeys.end(), key);
  return found == kExifColumnKeys.end() ? -1 : static_cast<int>(found - kExifColumnKeys.begin());
}

// The ordering key comparison of one column; ties fall to the caption for
// Files and size, and stay in place otherwise (the sort is stable).
int CompareBy(const DetailRow& a, const DetailRow& b, int column) {
  switch (column) {
    case kNameColumn:
      return CompareText(a.caption, b.caption);
    case kFilesColumn:
      if (a.fileCount != b.fileCount) return a.fileCount < b.fileCount ? -1 : 1;
      return CompareText(a.caption, b.caption);
    case kSizeColumn:
      if (a.sizeKB != b.sizeKB) return a.sizeKB < b.sizeKB ? -1 : 1;
      return CompareText(a.caption, b.caption);
    case kTypeColumn:
      return CompareText(a.typeName, b.typeName);
    case kDateColumn:
      return a.dateText.compare(b.dateText);
    default:
      return a.exif[column - kFirstExifColumn].compare(b.exif[column - kFirstExifColumn]);
  }
}

}  // namespace

std::string ExtensionTypeName(std::string_view path) {
  std::string_view extension = ExtensionAsWritten(path);
  if (!extension.empty()) extension.remove_prefix(1);
  return std::string(extension) + " ファイル";
}

std::vector<DetailRow> DetailRowsOf(const std::vector<std::string>& lines, std::string_view section,
                                    const std::function<int(std::string_view)>& countOf) {
  std::vector<DetailRow> rows;
  rows.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    DetailRow row;
    row.key = std::string(EntryNameOf(lines[i]));
    if (row.key.empty()) continue;
    row.section = std::string(section);
    row.lineIndex = i;
    row.isSubAlbum = IsSubAlbumEntry(row.key);
    if (row.isSubAlbum) {
      const std::string_view subSection = std::string_view(row.key).substr(1);
      row.caption = std::string(SubAlbumNameOf(subSection));
      row.typeName = std::string(kSubAlbumTypeName);
      row.fileCount = countOf ? countOf(subSection) : 0;
      row.sizeKB = -1;
    } else {
      row.caption = std::string(FileNameOf(row.key));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string TypeNameCache::operator()(const std::string& path) {
  const std::string extension = FoldAscii(ExtensionAsWritten(path));
  if (FileTypeLists::IsOwnIconType(extension)) return source_ ? source_(path) : std::string();
  const auto found = byExtension_.find(extension);
  if (found != byExtension_.end()) return found->second;
  return byExtension_[extension] = source_ ? source_(path) : std::string();
}

bool DetailRowsMatchLines(const std::vector<DetailRow>& rows, const std::vector<std::string>& lines) {
  size_t entries = 0;
  for (const auto& line : lines) entries += EntryNameOf(line).empty() ? 0 : 1;
  if (entries != rows.size()) return false;
  return std::all_of(rows.begin(), rows.end(), [&](const DetailRow& row) {
    return row.lineIndex < lines.size() && EntryNameOf(lines[row.lineIndex]) == row.key;
  });
}

void FillDetailRow(DetailRow& row, const TypeNameFunction& typeName, bool readExif) {
  row.filled = true;
  if (row.isSubAlbum) return;
  row.hidden = !row.caption.empty() && row.caption.front() == '.';
  std::string type = typeName ? typeName(row.key) : std::string();
  row.typeName = type.empty() ? ExtensionTypeName(row.key) : std::move(type);
  struct stat info {};
  if (::stat(row.key.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
    row.sizeKB = static_cast<int64_t>(info.st_size) >> 10;
    row.dateText = FileDateText(row.key).substr(0, kDateTextLength);
  } else {
    row.sizeKB = 0;
    row.dateText.clear();
  }
  if (readExif) ReadExifColumns(row);
}

std::vector<size_t> MissingFileRows(const std::vector<DetailRow>& rows) {
  std::vector<size_t> missing;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (!rows[i].isSubAlbum && !FileExists(rows[i].key)) missing.push_back(i);
  }
  return missing;
}

void ReadExifColumns(DetailRow& row) {
  if (row.exifRead) return;
  row.exifRead = true;
  if (!row.isSubAlbum) row.exif = ExifColumnsOf(ExifSummary(row.key, true));
}

std::array<std::string, kExifColumnCount> ExifColumnsOf(std::string_view summary) {
  std::array<std::string, kExifColumnCount> columns;
  while (!summary.empty()) {
    const size_t end = summary.find("\r\n");
    const std::string_view line = summary.substr(0, end);
    summary = end == std::string_view::npos ? std::string_view() : summary.substr(end + 2);
    const size_t equals = line.find('=');
    const size_t colon = line.find(": ");
    if (equals == std::string_view::npos || colon == std::string_view::npos) continue;
    int key = -1;
    const auto [rest, error] = std::from_chars(line.data(), line.data() + equals, key);
    if (error != std::errc() || rest != line.data() + equals) continue;
    const int column = ColumnOfKey(key);
    if (column >= 0) columns[column] = std::string(line.substr(colon + 2));
  }
  return columns;
}

std::string DetailCellText(const DetailRow& row, int column) {
  switch (column) {
    case kNameColumn:
      return row.caption;
    case kFilesColumn:
      return row.isSubAlbum ? std::to_string(row.fileCount) : std::string();
    case kSizeColumn:
      return row.isSubAlbum ? std::string() : std::to_string(row.sizeKB) + " KB";
    case kTypeColumn:
      return row.typeName;
    case kDateColumn:
      return row.dateText;
    default:
      if (column < kFirstExifColumn || column >= kDetailColumnCount) return {};
      return row.exif[column - kFirstExifColumn];
  }
}

void SortDetailRows(std::vector<DetailRow>& rows, int column, bool ascending) {
  if (column < 0 || column >= kDetailColumnCount) return;
  std::stable_sort(rows.begin(), rows.end(), [&](const DetailRow& a, const DetailRow& b) {
    if (column == kNameColumn && a.isSubAlbum != b.isSubAlbum) return a.isSubAlbum;
    const int order = CompareBy(a, b, column);
    return ascending ? order < 0 : order > 0;
  });
}

void DetailSortState::RowsLoaded() {
  ascending_.fill(false);
  column_ = -1;
  filledAll_ = false;
}

bool DetailSortState::Click(int column) {
  if (column < 0 || column >= kDetailColumnCount) return true;
  ascending_[column] = !ascending_[column];
  column_ = column;
  return ascending_[column];
}

}  // namespace lumidex
