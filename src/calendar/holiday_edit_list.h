#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/holiday_line.h"

namespace lumidex {

// How the holiday editor lists one line: its kind, its date in the working
// year, whether it is a rule ("*" after the date) and its name.
struct HolidayRowView {
  DayKind kind = DayKind::kHoliday;
  std::string date;  // "mm/dd"; "" for a key of neither form or a rule without a date
  bool rule = false;  // decided by the key, never by the name
  std::string name;   // without marker
};

// The view of `line` with `workingYear` as the year of rules.
HolidayRowView RowViewOf(std::string_view line, int workingYear);

// The lines of the holiday file under edit, with the list's selection and
// current row. Every operation keeps the selection consistent with the
// lines: rows that move carry their selection with them. Plain value type,
// not thread-safe.
class HolidayEditList {
 public:
  // Takes the lines of a file; empty lines are dropped (they are neither
  // shown nor written back). Nothing is selected afterwards.
  void Load(const std::vector<std::string>& lines);

  const std::vector<std::string>& lines() const { return lines_; }
  int size() const { return static_cast<int>(lines_.size()); }

  // Selection. Rows out of range are ignored.
  void SetSelected(int row, bool selected);
  void SelectOnly(int row);
  bool IsSelected(int row) const;
  std::vector<int> SelectedRows() const;
  // The current row (the one the entry fields show), -1 for none.
  int current() const { return current_; }
  void SetCurrent(int row);

  // Appends `line`; it becomes the current row and the only selected one.
  void Add(std::string line);
  // Makes the current row `line`; it stays selected. False (nothing
  // changes) when there is no current row.
  bool Replace(std::string line);
  // Removes every selected row. False when none was selected.
  bool DeleteSelected();
  // Moves every selected row one place up (`direction` -1) or down (+1).
  // Nothing moves when a selected row is already at that end; false then or
  // when nothing is selected. The current row follows the first moved row.
  bool MoveSelected(int direction);

  // Sorts into holidays, then events, then notes (by each line's marker);
  // inside a group by date: the key without its year range, a rule replaced
  // by its date in 2012, compared by character code. Lines with equal keys
  // keep their order.
  void SortByDate();
  // As SortByDate, but inside a group by the value (the text after the
  // first "="), equal values by date, then in their old order.
  void SortByName();

  // The whole list as text, CR LF after each line (the editor's copy).
  std::string Text() const;
  // Replaces the whole list with the lines of `text` (any line ends; empty
  // lines dropped). Nothing is selected afterwards.
  void ReplaceWithText(std::string_view text);

 private:
  void ClearSelection();
  template <typename Less>
  void SortGrouped(Less less);

  std::vector<std::string> lines_;
  std::vector<bool> selected_;  // one per line
  int current_ = -1;
};

}  // namespace lumidex
