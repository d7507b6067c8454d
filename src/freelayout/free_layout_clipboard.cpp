#include "freelayout/free_layout_clipboard.h"

#include <algorithm>

#include "album/album_text.h"
#include "freelayout/free_layout_key.h"
#include "freelayout/text_spec.h"

namespace lumidex {
namespace {

// New items' sizes, layout units.
constexpr int kNewTextWidth = 160;
constexpr int kNewTextHeight = 50;
constexpr int kNewPictureSide = 200;

// The pixel point brought 48 pixels inside the right and bottom edges (and
// not beyond the left and top ones).
std::pair<int, int> ReducedPoint(int x, int y, const LayoutScale& scale) {
  return {std::max(0, std::min(x, scale.width() - kNewItemEdge)),
          std::max(0, std::min(y, scale.height() - kNewItemEdge))};
}

// Line breaks of every kind (CR LF, CR, LF, "･･") as LF: texts compare alike
// whichever way they travelled.
std::string WithPlainBreaks(std::string_view text) {
  std::string stored = StoredComment(text);
  std::string plain;
  plain.reserve(stored.size());
  for (size_t at = 0; at < stored.size();) {
    if (stored.compare(at, kStoredLineBreak.size(), kStoredLineBreak) == 0) {
      plain += '\n';
      at += kStoredLineBreak.size();
    } else {
      plain += stored[at++];
    }
  }
  return plain;
}

// The text of the first line of `data`.
std::string_view FirstLine(std::string_view data) {
  const size_t end = data.find_first_of("\r\n");
  return end == std::string_view::npos ? data : data.substr(0, end);
}

// The own text of a text item's value (its look stripped), or the value
// itself when it does not read as a text.
std::string OwnText(const std::string& value) {
  Result<TextSpec> textSpec = ParseTextSpec(value);
  return textSpec.ok() ? textSpec.value().text : value;
}

}  // namespace

FreeLayoutItem NewTextItem(std::string_view text, int pasteX, int pasteY, const LayoutScale& scale) {
  const auto [x, y] = ReducedPoint(pasteX, pasteY, scale);
  FreeLayoutItem item;
  item.x = scale.PixelsToUnitsX(x);
  item.y = scale.PixelsToUnitsY(y);
  item.width = kNewTextWidth;
  item.height = kNewTextHeight;
  TextSpec textSpec;
  textSpec.text = DisplayedComment(StoredComment(text));
  item.value = FormatTextSpec(textSpec);
  return item;
}

std::vector<FreeLayoutItem> NewPictureItems(const std::vector<std::string>& paths, int pasteX, int pasteY,
                                            const LayoutScale& scale) {
  const auto [x, y] = ReducedPoint(pasteX, pasteY, scale);
  std::vector<FreeLayoutItem> items;
  int offset = 0;
  for (size_t i = 0; i < paths.size() && static_cast<int>(i) < kMostAddedFiles; ++i) {
    const int step = kCascadeStep * static_cast<int>(i);
    if (x + step + kNewItemEdge <= scale.width() && y + step + kNewItemEdge <= scale.height()) offset = step;
    FreeLayoutItem item;
    item.x = scale.PixelsToUnitsX(x + offset);
    item.y = scale.PixelsToUnitsY(y + offset);
    item.width = kNewPictureSide;
    item.height = kNewPictureSide;
    item.value = paths[i];
    items.push_back(std::move(item));
  }
  return items;
}

CopiedItems CopySelected(const std::vector<FreeLayoutItem>& items, const ExistsCheck& exists) {
  CopiedItems copied;
  bool first = true;
  bool firstIsFile = false;
  for (const FreeLayoutItem& item : items) {
    if (!item.selected) continue;
    const bool file = IsPicturePathValue(item.value) && exists(item.value);
    FreeLayoutItem kept = item;
    if (!file) kept.keepAspect = false;
    if (!copied.lines.empty()) copied.lines += "\r\n";
    // Without the tab number: the items go to whichever tab they are pasted on.
    copied.lines += BuildItemLine(kept, 0).substr(2);
    if (first) {
      firstIsFile = file;
      if (!file) copied.text = IsPicturePathValue(item.value) ? item.value : OwnText(item.value);
      first = false;
    }
    if (file && firstIsFile) copied.files.push_back(item.value);
  }
  return copied;
}

bool IsOwnPaste(const CopiedItems& copied, std::string_view data) {
  if (copied.empty()) return false;
  if (!copied.files.empty()) return FirstLine(data) == copied.files.front();
  return WithPlainBreaks(data) == WithPlainBreaks(copied.text);
}

std::vector<FreeLayoutItem> ItemsOfCopied(std::string_view lines, int tab) {
  std::vector<FreeLayoutItem> items;
  size_t at = 0;
  while (at <= lines.size()) {
    size_t end = lines.find('\n', at);
    if (end == std::string_view::npos) end = lines.size();
    std::string_view line = lines.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = end + 1;
    if (line.find('=') == std::string_view::npos) continue;
    Result<FreeLayoutItem> item = ParseItemLine("00" + std::string(line));
    if (!item.ok()) continue;
    FreeLayoutItem pasted = std::move(item).value();
    pasted.tab = tab;
    pasted.reserved = 0;
    pasted.selected = true;
    items.push_back(std::move(pasted));
  }
  return items;
}

}  // namespace lumidex
