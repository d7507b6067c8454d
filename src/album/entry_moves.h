#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumidex {

// Reordering the lines of an open page or sub-album. `selection` holds
// indexes into `lines`, in any order and possibly repeated; indexes past the
// end are ignored. Each function returns the selection afterwards (the
// indexes of the same lines, ascending).

// "↑": every selected line moves up by one, from the top down. Nothing moves
// when the first line is selected.
std::vector<size_t> MoveUp(std::vector<std::string>& lines, const std::vector<size_t>& selection);
// "↓": every selected line moves down by one, from the bottom up. Nothing
// moves when the last line is selected.
std::vector<size_t> MoveDown(std::vector<std::string>& lines, const std::vector<size_t>& selection);

enum class SortOrder {
  kName,  // "名前で整列": sub-albums first, then files by lower-case file name
  kType,  // "種類で整列": sub-albums first, then files by extension, then file name
  kPath,  // "パスで整列": by the whole entry name
};
// Sorts `lines` in the album's text order (cp932 order, ASCII letters
// folded: full-width "Ａ" before "あ"). Lines of equal sort key keep their
// order.
void SortEntries(std::vector<std::string>& lines, SortOrder order);

// Removes the selected lines and returns them in list order (top first),
// sub-album lines in the album-info form of `year`, ready for the clipboard.
// Inserting them again therefore keeps their order.
std::vector<std::string> CutLines(std::vector<std::string>& lines,
                                  const std::vector<size_t>& selection, std::string_view year);

}  // namespace lumidex
