#include "freelayout/edit_history.h"

namespace lumidex {

void EditHistory::Record(const std::vector<FreeLayoutItem>& before) {
  undo_.push_back(before);
  if (undo_.size() > limit_) undo_.erase(undo_.begin());
  redo_.clear();
}

std::optional<std::vector<FreeLayoutItem>> EditHistory::Undo(const std::vector<FreeLayoutItem>& current) {
  if (undo_.empty()) return std::nullopt;
  std::vector<FreeLayoutItem> back = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(current);
  return back;
}

std::optional<std::vector<FreeLayoutItem>> EditHistory::Redo(const std::vector<FreeLayoutItem>& current) {
  if (redo_.empty()) return std::nullopt;
  std::vector<FreeLayoutItem> again = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(current);
  return again;
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace lumidex
