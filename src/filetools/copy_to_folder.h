#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "filetools/file_operation.h"
#include "foundation/long_operation.h"
#include "foundation/status.h"

namespace lumidex {

class TMemIniFile;

// "指定場所へのファイルコピー": the selected entries of a page or sub-album
// (or the selected pictures of a free layout tab) copied into one folder,
// the files of a selected sub-album into a subfolder named after it, and
// optionally the placement file "alb_data.ini" (see placement_file.h) that
// lets automatic registration put them back on a page with the same
// grouping. The copy goes through TransferFiles: never a move, never an
// overwrite without the question.

// One planned copy and where it goes in the placement file.
struct PlannedCopy {
  FileTransfer transfer;
  std::string section;  // "file zoon" or the sub-album's folder name
  std::string comment;  // the entry's stored comment, kept as the key's value
};

struct CopyOutPlan {
  std::vector<PlannedCopy> copies;
  // The sub-album sections whose placement sections the copy replaces.
  std::vector<std::string> subAlbumSections;
  // Sub-albums left out because their names cannot be folder names.
  std::vector<std::string> refused;
};

// The folder name of the sub-album `name`: "/" becomes "／" and "\" becomes
// "＼", so the subfolder always lies directly in the destination; nullopt
// for "", "." and "..", which name no subfolder of their own.
std::optional<std::string> SubAlbumFolderName(std::string_view name);

// The copies of `lines`, entry lines of the open container in list order:
// a file entry whose file exists goes to destination + its file name; a
// sub-album entry ("@" + section) brings the existing files of its section in
// `subAlbumDocument` into destination + its folder name + "/". Missing files
// are left out without a word. Two sources of one target name get "-1",
// "-2", ... before the extension (DistinctTarget), so no copy of this run
// replaces another.
CopyOutPlan PlanCopyOut(const std::vector<std::string>& lines, const TMemIniFile& subAlbumDocument,
                        const std::string& destination);
// The copies of free layout picture paths (text items never): each existing
// file to destination + its file name.
CopyOutPlan PlanCopyPaths(const std::vector<std::string>& paths, const std::string& destination);

struct CopyOutReport {
  TransferReport transfer;
  Status placement;  // the placement file's save (Ok when none was asked for)
};

// Copies the plan (nothing happens for an empty plan). With `withPlacement`,
// then writes "alb_data.ini" into `destination`: its section "file zoon" and
// the sections of the copied sub-albums are replaced by the names of the
// targets that exist after the copy, other sections are kept. A placement
// file that exists but cannot be read is left alone (its error returned).
CopyOutReport RunCopyOut(const CopyOutPlan& plan, const std::string& destination,
                         bool withPlacement, FileOperationPrompts& prompts,
                         LongOperation& progress);

// The dialog's texts.
inline constexpr std::string_view kCopyToFolderCaption = "指定場所へのファイルコピー";
inline constexpr std::string_view kCopyToFolderLabel =
    "指定フォルダへファイルをコピーします。\nコピー先フォルダを入力して下さい。";

}  // namespace lumidex
