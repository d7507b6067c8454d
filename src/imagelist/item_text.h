#pragma once

#include <string>
#include <string_view>

#include "imagelist/alb_data.h"

namespace lumidex {

// The prefix of a missing file's caption.
inline constexpr std::string_view kMissingPrefix = "不明 > ";

// The comment's first line: the text up to the first stored break "･･".
std::string_view FirstCommentLine(std::string_view comment);

// The caption below a file item's picture.
struct ItemCaption {
  std::string text;
  bool commentMark = false;  // draw the small comment symbol before the text
  bool operator==(const ItemCaption&) const = default;
};
// The caption of the file item `name` = `comment`. With `showDates` (the
// button "更新日を表示"): the record's date text, or the plain file name when
// there is none. Otherwise the comment's first line with the comment mark,
// or the file name when there is no comment, "不明 > " + file name for a
// missing file. `record` may be null (not made yet: nothing known missing).
ItemCaption FileItemCaption(std::string_view name, std::string_view comment, const ALBDATA* record,
                            bool showDates);

// The heading while the free layout shows a page of the by-date way.
std::string FreeLayoutHeading(std::string_view pageTitle);

}  // namespace lumidex
