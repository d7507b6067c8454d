#pragma once

#include <string>
#include <string_view>

#include "imagelist/alb_data.h"

namespace lumidex {

// The stored comment line break ("･･", U+FF65 twice in memory).
inline constexpr std::string_view kCommentBreak = "\xEF\xBD\xA5\xEF\xBD\xA5";
// The prefix of a missing file's caption.
inline constexpr std::string_view kMissingPrefix = "不明 > ";

// The last component of a path ("/" or the "\" of paths of older albums).
std::string_view FileNameOf(std::string_view path);

// The comment's first line: the text up to the first "･･".
std::string_view FirstCommentLine(std::string_view comment);
// The comment as the comment editor and the sub-album item show it: every
// "･･" turned into a line break "\n".
std::string CommentForDisplay(std::string_view comment);
// The editor's text as a stored comment: CR LF, a lone LF and a lone CR each
// become "･･", so that no line break ever reaches an album line.
std::string CommentFromEditor(std::string_view text);

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

// The sub-album name of a "@" entry name: the text from its seventh
// character ("@" and the page "mm/dd" come first).
std::string_view SubAlbumNameOf(std::string_view entryName);

// The heading of the list panel for an open container: the month and day
// without leading zeros as m"月"d"日", "の", then "ページ" or the sub-album
// name. "日付不明" when the page part of `section` is not a date "mm/dd".
std::string ContainerHeading(std::string_view section, std::string_view subAlbumName);
// The heading while the free layout shows a page of the by-date way.
std::string FreeLayoutHeading(std::string_view pageTitle);

}  // namespace lumidex
