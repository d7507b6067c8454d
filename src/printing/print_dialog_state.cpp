#include "printing/print_dialog_state.h"

#include <algorithm>

#include "printing/print_geometry.h"
#include "printing/print_texts.h"

namespace lumidex {

namespace {

// Cells of grids 0-4, which bound the use count.
constexpr int kGridCells[] = {1, 2, 4, 9, 35};

}  // namespace

bool PrintDialogState::ChooseLayout(int layout) {
  if (layout < 0 || layout >= kLayoutCount) return false;
  layout_ = layout;
  if (layout < 5 && list_.uses() > kGridCells[layout]) SetUses(kGridCells[layout]);
  return true;
}

void PrintDialogState::SetCells(int cells) {
  cells = std::max(1, cells);
  if (cells != cells_) page_ = 0;
  cells_ = cells;
  EntriesChanged();
}

void PrintDialogState::SetUses(int uses) {
  list_.SetUses(uses);
  EntriesChanged();
}

void PrintDialogState::EntriesChanged() {
  lastPage_ = LastPageIndex(list_.size(), cells_);
  page_ = std::clamp(page_, 0, lastPage_);
}

bool PrintDialogState::PreviousPage() { return ShowPage(page_ - 1); }
bool PrintDialogState::NextPage() { return ShowPage(page_ + 1); }

bool PrintDialogState::ShowPage(int page) {
  if (page < 0 || page > lastPage_ || page == page_) return false;
  page_ = page;
  return true;
}

std::string PrintDialogState::PageText() const {
  return lumidex::PageText(page_, lastPage_, list_.size());
}

}  // namespace lumidex
