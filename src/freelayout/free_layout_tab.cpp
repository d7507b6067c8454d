#include "freelayout/free_layout_tab.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "foundation/ini_line.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"
#include "freelayout/free_layout_key.h"

namespace lumidex {
namespace {

constexpr int kCounterLimit = 100000;  // the reserved field holds five digits
constexpr size_t kProblemsShown = 5;

int NormalisedTab(int tab) { return tab < 0 ? 0 : tab; }

// The first two characters of `line` (fewer when it is shorter).
std::string_view FirstTwoCharacters(std::string_view line) {
  size_t pos = 0;
  for (int i = 0; i < 2 && pos < line.size(); ++i) NextCodePoint(line, pos);
  return line.substr(0, pos);
}

bool IsTitleLine(std::string_view line) {
  const size_t eq = line.find('=');
  return (eq != std::string_view::npos && eq < 9) || line.size() < 10;
}

// The value of each tab's first title line, by tab number.
std::unordered_map<int, std::string> TitlesOf(const std::vector<std::string>& lines) {
  std::unordered_map<int, std::string> titles;
  for (const auto& line : lines) {
    if (!IsTitleLine(line) || !HasEquals(line)) continue;
    const std::string_view key = NameOf(line);
    if (key.size() == 2 && TabNumberOf(key) >= 0) {
      titles.emplace(TabNumberOf(key), std::string(ValueOf(line)));
    }
  }
  return titles;
}

bool IsLoadedItemOf(std::string_view line, int tab) {
  return TabNumberOf(line) == tab && ItemKeyReadable(NameOf(line));
}

}  // namespace

TabStrip BuildTabStrip(const std::vector<std::string>& lines) {
  std::set<std::string> prefixes;
  for (const auto& line : lines) prefixes.insert(FoldAscii(FirstTwoCharacters(line)));
  TabStrip strip;
  strip.count = static_cast<int>(prefixes.size());
  const auto titles = TitlesOf(lines);
  for (int k = 0; k < strip.count; ++k) {
    if (auto title = titles.find(k); title != titles.end()) {
      strip.captions.push_back(title->second);
    } else if (strip.count >= 2) {
      strip.captions.push_back(std::to_string(k + 1));
    }
  }
  return strip;
}

std::vector<std::string> RenamedTabCaptions(const std::vector<std::string>& lines, int count) {
  const auto titles = TitlesOf(lines);
  std::vector<std::string> captions;
  for (int k = 0; k < count; ++k) {
    auto title = titles.find(k);
    captions.push_back(title != titles.end() ? title->second : std::to_string(k + 1));
  }
  return captions;
}

TabLoad LoadTab(const std::vector<std::string>& lines, int tab) {
  tab = NormalisedTab(tab);
  TabLoad load;
  for (const auto& line : lines) {
    if (!IsItemKey(NameOf(line)) || TabNumberOf(line) != tab) continue;
    Result<FreeLayoutItem> item = ParseItemLine(line);
    if (item.ok()) {
      load.items.push_back(std::move(item).value());
    } else {
      load.problems.push_back(item.status().message());
    }
  }
  return load;
}

std::string UnreadableItemsMessage(const std::vector<std::string>& problems) {
  std::string message = "読み込めない項目が " + std::to_string(problems.size()) +
                        " 件あります（ファイルにはそのまま残します）。";
  for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) message += "\n" + problems[i];
  if (problems.size() > kProblemsShown) message += "\n…";
  return message;
}

Result<std::vector<std::string>> ReplaceTabItems(const std::vector<std::string>& lines, int tab,
                                                 const std::vector<FreeLayoutItem>& items) {
  tab = NormalisedTab(tab);
  std::vector<std::string> result;
  result.reserve(lines.size() + items.size());
  for (const auto& line : lines) {
    if (!IsLoadedItemOf(line, tab)) result.push_back(line);
  }
  // Next free counter per key without its reserved field.
  std::unordered_map<std::string, int> nextCounter;
  for (const auto& item : items) {
    const std::string key = BuildItemKey(item, tab);
    int& counter = nextCounter[key.substr(0, kItemKeyLength - 5)];
    if (counter >= kCounterLimit) {
      return Status::Error("同じ位置と大きさの項目が多すぎるため、タブを保存できません。");
    }
    result.push_back(BuildItemLine(item, tab, counter++));
  }
  return result;
}

std::vector<std::string> WithoutTabTitle(const std::vector<std::string>& lines, int tab) {
  tab = NormalisedTab(tab);
  std::vector<std::string> result;
  for (const auto& line : lines) {
    const std::string_view key = NameOf(line);
    const bool title = IsTitleLine(line) && HasEquals(line) && key.size() == 2;
    if (!title || TabNumberOf(key) != tab) result.push_back(line);
  }
  return result;
}

std::vector<std::string> RenumberTabLines(const std::vector<std::string>& lines) {
  std::set<int> numbers;
  for (const auto& line : lines) {
    if (const int tab = TabNumberOf(line); tab >= 0) numbers.insert(tab);
  }
  std::unordered_map<int, int> renumbered;
  for (int number : numbers) renumbered.emplace(number, static_cast<int>(renumbered.size()));
  std::vector<std::string> result;
  result.reserve(lines.size());
  for (const auto& line : lines) {
    const int tab = TabNumberOf(line);
    result.push_back(tab < 0 ? line : TabKey(renumbered.at(tab)) + line.substr(2));
  }
  return result;
}

}  // namespace lumidex
