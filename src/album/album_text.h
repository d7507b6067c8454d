#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// Texts of the album vocabulary: pages "mm/dd", sub-album sections (page key
// followed by the sub-album name), entry names and comments.

// True when `text` is a page key "mm/dd": two digits, "/", two digits.
bool IsPageKey(std::string_view text);

// True when `line` of the page index is a page line: a page key directly
// followed by "=". Other lines are kept in the file but are not pages.
bool IsPageLine(std::string_view line);

// "3月15日のページ" for the page "03/15"; "日付不明" when `page` is not a page key.
std::string PageTitle(std::string_view page);
// "3月15日の旅行" for the section "03/15旅行"; "日付不明" when the first five
// characters are not a page key.
std::string SubAlbumTitle(std::string_view section);

// The sub-album name of a section: everything after the first five characters.
std::string_view SubAlbumNameOf(std::string_view section);

// The page-index value of a page whose cover is chosen automatically (the
// first picture of the page in the shown year), instead of a cover path.
inline constexpr std::string_view kAutomaticCover = ".alb";
// True when a page-index value leaves the cover to be chosen automatically.
inline bool IsAutomaticCover(std::string_view value) { return value.starts_with(kAutomaticCover); }

// True when an entry name names a sub-album ("@" + section).
inline bool IsSubAlbumEntry(std::string_view name) { return !name.empty() && name[0] == '@'; }

// The name of an entry line, or the whole line when it has no "=" (a bare
// path written by hand or by an older version).
std::string_view EntryNameOf(std::string_view line);
// The comment of an entry line: the text after the first "=", or "".
std::string_view EntryCommentOf(std::string_view line);

// The comment line break as stored: "･･" (U+FF65 twice; the bytes A5 A5 in cp932).
inline constexpr std::string_view kStoredLineBreak = "\xEF\xBD\xA5\xEF\xBD\xA5";

// A comment as it is stored: every CR LF, CR, LF and U+2029 (the paragraph
// separator Qt uses) becomes "･･", so a comment never splits an entry line.
// NUL is dropped, since an album file is text and a load would not give it
// back; the other control characters stay (only CR and LF end a line).
std::string StoredComment(std::string_view text);
// A stored comment for editing and display: every "･･" becomes CR LF.
std::string DisplayedComment(std::string_view stored);

// True when `name` holds a control character (U+0000-U+001F or U+007F). Such
// a name is never stored as an album key: CR and LF would split its line
// (the rest becoming a bogus entry), NUL does not survive a save and load,
// and the others cannot be seen in any list that shows the name. In UTF-8
// these bytes only ever stand for themselves, so a byte scan finds them.
bool HasControlCharacter(std::string_view name);

// Number of characters (code points) of UTF-8 text.
size_t CharacterCount(std::string_view text);

}  // namespace lumidex
