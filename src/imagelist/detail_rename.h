#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "imagelist/detail_rows.h"

namespace lumidex {

// Renames and deletes rows of the detail list against the entry lines of
// their section. Each row addresses its own line (DetailRow::lineIndex), so
// a file registered twice has two rows that change separately. Main thread.

// Renames the files of the rows `selected` (indexes into `rows`, all of one
// section whose lines are `lines`) to `typed`, split into name and extension
// (a row keeps its own extension when none is typed). For each row the
// new path is the file's folder + name + extension; while a file exists
// there, the name gets "-0001", "-0002", … (counting again from the typed
// name for every row). A file is never replaced (RenameWithoutReplacing).
// A row whose file is missing is re-pointed to folder + typed (or to `typed`
// itself when it is a full path) when that file exists. The row's line is
// replaced in place with the same comment, and the row gets its new key and
// caption and is unfilled. Sub-album rows and rows the file system refuses
// stay as they were. Returns the number of rows changed.
int RenameDetailRows(std::vector<DetailRow>& rows, const std::vector<size_t>& selected,
                     std::vector<std::string>& lines, std::string_view typed);

// Removes the rows `selected` and their own lines from `lines` (from the
// last to the first); the line indexes of the other rows follow. Returns
// the sub-album sections of the deleted sub-album rows, whose content the
// caller erases.
std::vector<std::string> DeleteDetailRows(std::vector<DetailRow>& rows, std::vector<size_t> selected,
                                          std::vector<std::string>& lines);

// The question before deleting `rows` (indexes `selected`): "アルバムから
// 'caption' を削除します。よろしいですか？" for one, "アルバムから N 個、削除します。
// よろしいですか？" for several.
std::string DetailDeleteQuestion(const std::vector<DetailRow>& rows, const std::vector<size_t>& selected);

}  // namespace lumidex
