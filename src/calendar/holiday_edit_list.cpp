#include "calendar/holiday_edit_list.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

#include "calendar/holiday_rules.h"
#include "foundation/ini_line.h"

namespace lumidex {
namespace {

std::string MonthDayText(MonthDay md) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d/%02d", md.month, md.day);
  return buffer;
}

// The year whose dates order rules among fixed dates when sorting.
constexpr int kSortYear = 2012;

// The text a line sorts by in date order: its key without the range, a rule
// as its date in the sort year.
std::string DateSortKey(const HolidayLine& line) {
  if (line.form == HolidayLine::Form::kRule) {
    if (const auto date = RuleDate(line.key, kSortYear)) return MonthDayText(*date);
  }
  return line.key;
}

int GroupOf(const HolidayLine& line) { return static_cast<int>(line.kind); }

}  // namespace

HolidayRowView RowViewOf(std::string_view text, int workingYear) {
  const HolidayLine line = ParseHolidayLine(text);
  HolidayRowView view;
  view.kind = line.kind;
  view.name = line.name;
  view.rule = line.form == HolidayLine::Form::kRule;
  if (line.form == HolidayLine::Form::kFixed) {
    view.date = line.key;
  } else if (view.rule) {
    if (const auto date = RuleDate(line.key, workingYear)) view.date = MonthDayText(*date);
  }
  return view;
}

void HolidayEditList::Load(const std::vector<std::string>& lines) {
  lines_.clear();
  for (const std::string& line : lines) {
    if (!line.empty()) lines_.push_back(line);
  }
  ClearSelection();
}

void HolidayEditList::ClearSelection() {
  selected_.assign(lines_.size(), false);
  current_ = -1;
}

void HolidayEditList::SetSelected(int row, bool selected) {
  if (row >= 0 && row < size()) selected_[static_cast<size_t>(row)] = selected;
}

void HolidayEditList::SelectOnly(int row) {
  selected_.assign(lines_.size(), false);
  SetSelected(row, true);
  SetCurrent(row);
}

bool HolidayEditList::IsSelected(int row) const {
  return row >= 0 && row < size() && selected_[static_cast<size_t>(row)];
}

std::vector<int> HolidayEditList::SelectedRows() const {
  std::vector<int> rows;
  for (int row = 0; row < size(); ++row) {
    if (selected_[static_cast<size_t>(row)]) rows.push_back(row);
  }
  return rows;
}

void HolidayEditList::SetCurrent(int row) { current_ = row >= 0 && row < size() ? row : -1; }

void HolidayEditList::Add(std::string line) {
  lines_.push_back(std::move(line));
  selected_.push_back(false);
  SelectOnly(size() - 1);
}

bool HolidayEditList::Replace(std::string line) {
  if (current_ < 0) return false;
  lines_[static_cast<size_t>(current_)] = std::move(line);
  SetSelected(current_, true);
  return true;
}

bool HolidayEditList::DeleteSelected() {
  std::vector<std::string> kept;
  for (int row = 0; row < size(); ++row) {
    if (!selected_[static_cast<size_t>(row)]) kept.push_back(std::move(lines_[static_cast<size_t>(row)]));
  }
  if (kept.size() == lines_.size()) return false;
  lines_ = std::move(kept);
  ClearSelection();
  return true;
}

bool HolidayEditList::MoveSelected(int direction) {
  const std::vector<int> rows = SelectedRows();
  if (rows.empty() || (direction != -1 && direction != 1)) return false;
  if (direction < 0 ? rows.front() == 0 : rows.back() == size() - 1) return false;
  // Up goes top-down and down bottom-up, so a block of selected rows moves
  // as a whole without any row jumping over another selected one.
  auto moveRow = [&](int row) {
    const auto a = static_cast<size_t>(row);
    const auto b = static_cast<size_t>(row + direction);
    std::swap(lines_[a], lines_[b]);
    std::vector<bool>::swap(selected_[a], selected_[b]);
  };
  if (direction < 0) {
    for (int row : rows) moveRow(row);
  } else {
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) moveRow(*it);
  }
  current_ = rows.front() + direction;
  return true;
}

template <typename Less>
void HolidayEditList::SortGrouped(Less less) {
  std::vector<HolidayLine> parsed;
  parsed.reserve(lines_.size());
  for (const std::string& line : lines_) parsed.push_back(ParseHolidayLine(line));
  std::vector<size_t> order(lines_.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    const int ga = GroupOf(parsed[a]);
    const int gb = GroupOf(parsed[b]);
    if (ga != gb) return ga < gb;
    return less(parsed[a], parsed[b]);
  });
  std::vector<std::string> lines;
  std::vector<bool> selected;
  int current = -1;
  for (size_t i = 0; i < order.size(); ++i) {
    lines.push_back(std::move(lines_[order[i]]));
    selected.push_back(selected_[order[i]]);
    if (static_cast<int>(order[i]) == current_) current = static_cast<int>(i);
  }
  lines_ = std::move(lines);
  selected_ = std::move(selected);
  current_ = current;
}

void HolidayEditList::SortByDate() {
  SortGrouped([](const HolidayLine& a, const HolidayLine& b) {
    return DateSortKey(a) < DateSortKey(b);
  });
}

void HolidayEditList::SortByName() {
  SortGrouped([](const HolidayLine& a, const HolidayLine& b) {
    if (a.value != b.value) return a.value < b.value;
    return DateSortKey(a) < DateSortKey(b);
  });
}

std::string HolidayEditList::Text() const { return JoinLines(lines_); }

void HolidayEditList::ReplaceWithText(std::string_view text) { Load(SplitLines(text)); }

}  // namespace lumidex
