#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "filetools/file_operation.h"
#include "foundation/file_types.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

// The organiser ("画像の整理"): every picture below a source folder copied
// (or moved) into a destination folder, into a subfolder named after its
// date, optionally renamed to its date and time. The album is not touched.

// How pictures are grouped into folders: "yyyy", "yyyymm" or "yyyymmdd".
enum class OrganiseUnit { kYear = 0, kMonth = 1, kDay = 2 };

// The options of the dialog "画像ファイルの整理".
struct OrganiseOptions {
  std::string destination;      // "整理先"
  std::string source;           // "整理元"
  OrganiseUnit unit = OrganiseUnit::kYear;
  bool withSubfolders = true;   // "サブフォルダのファイルも整理する"
  bool move = false;            // "ファイルを移動する（整理元ファイルは削除）"
  bool removeEmptied = false;   // "空に成ったフォルダを削除する" (with move only)
  bool includeManaged = false;  // "管理対象に加えたファイルを含める"
  bool renameToDate = false;    // "ファイルの名前を更新日に変更する(画像のみ)"
  bool exifDates = false;       // "Exif形式のJPEGファイルは撮影日で纏める"
};

// A file's date for the organiser as "yyyy/mm/dd hh:mm:ss": the shooting
// date of a ".jpg" file with `exifDates` when it has one, else the file's
// last-write time in local time (read with stat, the file is not opened).
// "" when the file cannot be examined.
std::string OrganiseDate(const std::string& path, bool exifDates);

// The plan: every file below options.source that is taken (picture types,
// managed types with includeManaged; hidden files included) with its target
// destination/<date folder>/<name>. Depth first, a folder's files before its
// subfolders, each listing sorted; subfolders whose names begin with "." are
// not entered, links to folders are never followed, and the destination's
// own subtree is left out when it lies inside the source. Targets are
// distinct: renamed pictures take the first of base, base-1, ... free on
// disk and in the plan; files keeping their names get -1, -2, ... only when
// two sources of the plan meet (an existing file is left to the overwrite
// question). Built completely before anything is copied.
std::vector<FileTransfer> PlanOrganise(const OrganiseOptions& options, const FileTypeLists& types);

// Removes the subfolders below `folder` that the move left empty, deepest
// first: a subfolder without files directly in it is removed with rmdir,
// which never removes a folder that still holds anything. `folder` itself
// stays. Subfolders named "." + name and links are left alone. Returns the
// number of files directly in `folder`.
int RemoveEmptiedFolders(const std::string& folder);

struct OrganiseReport {
  int planned = 0;
  TransferReport transfer;
};

// The command after the dialog: plans, then copies or moves the plan through
// TransferFiles; after a move with removeEmptied and withSubfolders removes
// the emptied folders. NotFound when the source or the destination is no
// folder (nothing is done).
Result<OrganiseReport> OrganiseFiles(const OrganiseOptions& options, const FileTypeLists& types,
                                     FileOperationPrompts& prompts, LongOperation& progress);

// The dialog's label.
inline constexpr std::string_view kOrganiseLabel =
    "画像ファイルの整理を行います。指定の単位名でフォルダが作成されファイルがコピーされます。";

}  // namespace lumidex
