#pragma once

#include "printing/print_list.h"
#include "printing/print_settings.h"

namespace lumidex {

// The page state of the print dialog over its print list: the chosen layout,
// cells per sheet, the shown sheet and the last one. The dialog draws; this
// decides. Not thread-safe.
class PrintDialogState {
 public:
  explicit PrintDialogState(PrintList list) : list_(std::move(list)) {}

  PrintList& list() { return list_; }
  const PrintList& list() const { return list_; }
  int layout() const { return layout_; }
  int cells() const { return cells_; }
  int page() const { return page_; }
  int lastPage() const { return lastPage_; }
  int firstIndex() const { return cells_ * page_; }

  // A click on the layout list: an index above 10 is ignored (false). The
  // grids 0-4 lower the use count to their number of cells.
  bool ChooseLayout(int layout);

  // The sheet now holds `cells` cells (at least 1): a new count goes back to
  // the first sheet; the last sheet is recomputed and the shown one kept in
  // range.
  void SetCells(int cells);

  // The entries changed (use count, removal): the last sheet is recomputed
  // and the shown one clamped to it. Moves and offsets stay.
  void SetUses(int uses);
  void EntriesChanged();

  // The page buttons and slider; false when the page did not change.
  bool PreviousPage();
  bool NextPage();
  bool ShowPage(int page);

  // "n/m" beside the page buttons ("0/0" for an empty list).
  std::string PageText() const;

 private:
  PrintList list_;
  int layout_ = 0;
  int cells_ = 1;
  int page_ = 0;
  int lastPage_ = 0;
};

}  // namespace lumidex
