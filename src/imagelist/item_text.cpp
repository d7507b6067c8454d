#include "imagelist/item_text.h"

namespace lumidex {
namespace {

// Month and day of a page key "mm/dd"; false unless both are two digits and
// form a day of some year (02/29 counts).
bool ParsePage(std::string_view page, int& month, int& day) {
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (page.size() < 5 || page[2] != '/' || !digit(page[0]) || !digit(page[1]) ||
      !digit(page[3]) || !digit(page[4])) {
    return false;
  }
  static constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  month = (page[0] - '0') * 10 + (page[1] - '0');
  day = (page[3] - '0') * 10 + (page[4] - '0');
  return month >= 1 && month <= 12 && day >= 1 && day <= kDaysInMonth[month - 1];
}

}  // namespace

std::string_view FileNameOf(std::string_view path) {
  const size_t cut = path.find_last_of("/\\");
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view FirstCommentLine(std::string_view comment) {
  const size_t cut = comment.find(kCommentBreak);
  return cut == std::string_view::npos ? comment : comment.substr(0, cut);
}

std::string CommentForDisplay(std::string_view comment) {
  std::string text;
  size_t from = 0;
  for (size_t cut; (cut = comment.find(kCommentBreak, from)) != std::string_view::npos;
       from = cut + kCommentBreak.size()) {
    text.append(comment.substr(from, cut - from));
    text.push_back('\n');
  }
  text.append(comment.substr(from));
  return text;
}

std::string CommentFromEditor(std::string_view text) {
  std::string comment;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      comment.append(kCommentBreak);
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      comment.push_back(c);
    }
  }
  return comment;
}

ItemCaption FileItemCaption(std::string_view name, std::string_view comment, const ALBDATA* record,
                            bool showDates) {
  const std::string_view fileName = FileNameOf(name);
  if (showDates) {
    if (record != nullptr && !record->dateText.empty()) return {record->dateText, false};
    return {std::string(fileName), false};
  }
  const std::string_view firstLine = FirstCommentLine(comment);
  if (!firstLine.empty()) return {std::string(firstLine), true};
  if (record != nullptr && record->exists == 0) {
    return {std::string(kMissingPrefix) + std::string(fileName), false};
  }
  return {std::string(fileName), false};
}

std::string_view SubAlbumNameOf(std::string_view entryName) {
  return entryName.size() > 6 ? entryName.substr(6) : std::string_view();
}

std::string ContainerHeading(std::string_view section, std::string_view subAlbumName) {
  int month = 0;
  int day = 0;
  if (!ParsePage(section, month, day)) return "日付不明";
  std::string title = std::to_string(month) + "月" + std::to_string(day) + "日の";
  title.append(subAlbumName.empty() ? std::string_view("ページ") : subAlbumName);
  return title;
}

std::string FreeLayoutHeading(std::string_view pageTitle) {
  return "日付で配置 > " + std::string(pageTitle);
}

}  // namespace lumidex
