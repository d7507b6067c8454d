#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lumidex {

// The shooting-information columns of the detail list (撮影日時 … 幅と高さ).
inline constexpr int kExifColumnCount = 15;

// Columns of the detail list, in their order: the five file columns, then the
// shooting-information columns from kFirstExifColumn on.
enum DetailColumn : int {
  kNameColumn = 0,
  kFilesColumn = 1,
  kSizeColumn = 2,
  kTypeColumn = 3,
  kDateColumn = 4,
  kFirstExifColumn = 5,
};
inline constexpr int kDetailColumnCount = kFirstExifColumn + kExifColumnCount;

// One row of the detail list (`LISTDATA2`): an entry line of a page or
// sub-album section, or a file of the folder view. A plain value.
struct DetailRow {
  std::string key;       // the entry name: a path, or "@" + sub-album section
  std::string caption;   // file name of the path, or the sub-album's name
  std::string dateText;  // "yyyy/MM/dd HH:mm"; "" until filled or when missing
  std::string typeName;  // "サブアルバム" for sub-albums
  std::string section;   // the section holding the entry ("" in the folder view)
  size_t lineIndex = 0;  // position of the entry's own line in `section`
  int64_t sizeKB = 0;    // bytes >> 10
  int fileCount = 0;     // sub-albums: number of entries
  bool isSubAlbum = false;
  // A hidden file (its name begins with "."), shown dimmed.
  bool hidden = false;
  // Set once FillDetailRow ran: a row is filled exactly once, whatever its
  // size or date came out as (a missing file stays filled and empty).
  bool filled = false;
  bool exifRead = false;
  std::array<std::string, kExifColumnCount> exif;
};

// The type name for `path` when the desktop knows none: the extension
// without its dot followed by " ファイル" ("JPG ファイル" stays as written).
std::string ExtensionTypeName(std::string_view path);

// Gives the type name of a file; the window asks the desktop's MIME
// database, the command-line tool uses ExtensionTypeName.
using TypeNameFunction = std::function<std::string(const std::string& path)>;

// Asks `source` once per extension (letter case ignored) and remembers the
// answer for the rest of the run; files of the own-icon types (".ico",
// ".exe", …) are asked every time, as each such file may differ.
class TypeNameCache {
 public:
  explicit TypeNameCache(TypeNameFunction source) : source_(std::move(source)) {}
  std::string operator()(const std::string& path);

 private:
  TypeNameFunction source_;
  std::unordered_map<std::string, std::string> byExtension_;
};

// Rows for the entry lines `lines` of `section`, in their order; each row
// remembers its own line index, so two lines naming one file stay two rows
// that are renamed and deleted separately. `countOf` gives the number of
// entries of a sub-album section. Rows start unfilled.
std::vector<DetailRow> DetailRowsOf(const std::vector<std::string>& lines, std::string_view section,
                                    const std::function<int(std::string_view)>& countOf);

// True when `rows` stand for exactly the entries of `lines`: one row per
// entry, each naming the entry at its own line index.
bool DetailRowsMatchLines(const std::vector<DetailRow>& rows, const std::vector<std::string>& lines);

// Fills `row` from the file system: type name, size, last-write time
// (without seconds) and, with `readExif`, the shooting information. A file
// that does not exist keeps size 0 and an empty date. Sets `filled`.
void FillDetailRow(DetailRow& row, const TypeNameFunction& typeName, bool readExif);

// The file rows (not sub-album rows) whose file does not exist, in row
// order: "不明ファイルの選択".
std::vector<size_t> MissingFileRows(const std::vector<DetailRow>& rows);

// Reads the shooting-information columns of `row` once (".jpg" files only).
void ReadExifColumns(DetailRow& row);

// The column values of a shooting-information summary with keys (lines
// "NN=label: value"): keys 00-10, 12, 13, 14 and 17 in that order; the other
// keys have no column.
std::array<std::string, kExifColumnCount> ExifColumnsOf(std::string_view summary);

// The text of `column` for `row` as the list shows it: caption, file count
// (sub-albums), size + " KB" (files), type, date, shooting information.
std::string DetailCellText(const DetailRow& row, int column);

// Sorts `rows` stably by `column`: names with sub-albums first then by
// caption; Files and size with ties by caption; type by name; date byte by
// byte; shooting information by its text. `ascending` false reverses the
// order of the keys (sub-albums still lead a name sort).
void SortDetailRows(std::vector<DetailRow>& rows, int column, bool ascending);

// The sort state of the list header: each click on a column reverses that
// column's direction (the first click sorts ascending); loading new rows
// asks for a fill before the first sort by a column other than the name.
class DetailSortState {
 public:
  // New rows arrived: every column starts ascending again and a fill is due.
  void RowsLoaded();
  // More rows arrived after the shown ones: a fill is due again, the
  // directions stay.
  void RowsAdded() { filledAll_ = false; }
  // True when a click on `column` must fill every row first.
  bool NeedsFill(int column) const { return column != kNameColumn && !filledAll_; }
  void MarkFilled() { filledAll_ = true; }
  // Registers a click on `column`; returns whether it now sorts ascending.
  bool Click(int column);
  int column() const { return column_; }
  bool ascending() const { return column_ >= 0 && ascending_[column_]; }

 private:
  std::array<bool, kDetailColumnCount> ascending_{};
  int column_ = -1;
  bool filledAll_ = false;
};

}  // namespace lumidex
