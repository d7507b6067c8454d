#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

class AlbumStore;

// Re-pointing entries whose files moved ("不明ファイル"). The user names a
// folder; every missing file is looked for below it by its file name
// (FileNameIndex: one walk of the folder, the first file found of a name
// wins) and the entry is changed to the found path.
//
// What is missing:
// - in a year or sub-album document: an entry line whose name does not begin
//   with "@" and names no existing file (the name is the path, the comment
//   stays with it);
// - in a free layout document: a line with a name whose value is a full path
//   (IsFullPathValue) of no existing file.
//
// Re-pointing keeps the line's place. In a year or sub-album section, when the
// found path is already an entry of that section, the missing line is
// dropped instead (two lines of one file would be one entry twice), and its
// comment goes to the other entry when that one has none; so no comment is
// ever written over.
//
// Every document in which something was re-pointed is saved when its scope
// is done, after a stop too; nothing is saved with `dryRun`.

// The prompt of the folder chooser of the three repair commands.
inline constexpr std::string_view kRepairFolderPrompt =
    "不明ファイルの再設定を行います。検索を行うフォルダを選択して下さい";

// One re-pointed entry.
struct RepairedEntry {
  std::string document;  // the file of the document
  std::string section;
  std::string oldPath;
  std::string newPath;
  bool merged = false;  // the new path was an entry already: the line was dropped
};

// What one repair run did.
struct RepairCounts {
  int missingCount = 0;   // missing entries met
  int repairedCount = 0;  // entries re-pointed
  bool stopped = false;   // "中止" was pressed
  std::vector<RepairedEntry> repaired;
  std::vector<std::string> saveErrors;  // documents that could not be read or saved
};

// "不明ファイルは有りませんでした。" when nothing was missing, else
// "不明ファイル数 > <missing>個", two line feeds, "<repaired>個の不明ファイルを修正しました。".
std::string RepairMessage(const RepairCounts& counts);

// True when a free layout value is a full path: "/" first, or a path of
// Windows form (":\" at its second character, or "\\" first) kept from an
// older album.
bool IsFullPathValue(std::string_view value);

struct RepairRequest {
  std::string folder;  // the folder searched
  bool dryRun = false;
};

// Every year document and sub-album document of the year list, in order (the
// shown year through `store`, the others from their files), then every free
// layout document of the user (RepairFreeLayouts over folders().albumDir).
// Pending edits of the open container are saved first; the open list is
// reloaded afterwards. The caller then rebuilds its views with a forced
// year switch. Error only when the pending edits cannot be saved (nothing is
// done then); documents that cannot be read or saved are listed in
// saveErrors and the rest goes on.
Result<RepairCounts> RepairAlbum(AlbumStore& store, const RepairRequest& request,
                                 LongOperation& progress);

// One page of the shown year: its lines in the by-date free layout document
// of the shown year (item lines, names longer than two characters), then its
// section of the year document, then the sections of its sub-albums. Same
// saving and errors as RepairAlbum. REQUIRES: store.HasYear().
Result<RepairCounts> RepairPage(AlbumStore& store, std::string_view page,
                                const RepairRequest& request, LongOperation& progress);

// Every "*.ini" document in `freeLayoutFolder`, read as plain INI lines: each
// line with a name whose value is a missing full path is re-pointed in place;
// a changed document is written back whole (atomically). The caller reloads
// its open free layout document afterwards. Callable on its own, by the free
// layout's command, after its save question.
RepairCounts RepairFreeLayouts(const RepairRequest& request, const std::string& freeLayoutFolder,
                               LongOperation& progress);

// "変更" → "ファイルパス名" for line `index` of the open container's lines:
// when `newPath` names an existing file, the line becomes newPath + "=" +
// its comment in the same place and the album is marked modified. Error
// "存在しないファイルパス名です。" when it does not exist (nothing changes).
// When `newPath` is the name of another line already, that line keeps its
// comment, or takes this one's when it has none, and this line is dropped.
// REQUIRES: a page or sub-album is open and `index` < Lines().size().
Status ChangeEntryPath(AlbumStore& store, size_t index, const std::string& newPath);

inline constexpr std::string_view kNoSuchFileMessage = "存在しないファイルパス名です。";

}  // namespace lumidex
