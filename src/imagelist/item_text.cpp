#include "imagelist/item_text.h"

#include "album/album_path.h"
#include "album/album_text.h"

namespace lumidex {

std::string_view FirstCommentLine(std::string_view comment) {
  const size_t cut = comment.find(kStoredLineBreak);
  return cut == std::string_view::npos ? comment : comment.substr(0, cut);
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

std::string FreeLayoutHeading(std::string_view pageTitle) {
  return "日付で配置 > " + std::string(pageTitle);
}

}  // namespace lumidex
