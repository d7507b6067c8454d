#pragma once

#include <string>
#include <string_view>

#include "foundation/status.h"
#include "freelayout/free_layout_item.h"

namespace lumidex {

// The lines of a free layout page section are "key=value". The key of an
// item is 27 characters (positions 1-based):
//
//   1-2   tab number          two decimal digits, "00"-"99"
//   3-6   left edge x         four decimal digits, layout units
//   7-10  top edge y          four decimal digits
//   11-14 width               four decimal digits (a rotated picture's unrotated size)
//   15-18 height              four decimal digits
//   19-20 flag bits           two decimal digits, 00-31 (FreeLayoutItem::Flags)
//   21-22 rotation step       two upper-case hexadecimal digits
//   23-27 reserved            five decimal digits: "00000", or a counter that
//                             tells apart items whose other fields are equal
//
// The value is everything after the first "=": a picture path or a text
// item's look and text, with every line break stored as "･･" (U+FF65 twice, the
// bytes A5 A5 of cp932), so that one item is always one line.
//
// A tab title line has the two-digit tab number as its key and the caption as
// its value. Lines with keys of 11 characters or more are item lines.

inline constexpr size_t kItemKeyLength = 27;

// The tab number of a line or key: its first two characters as a decimal
// number, or -1 when they are not two digits.
int TabNumberOf(std::string_view line);

// True when `key` (the text before a line's first "=") is an item key by its
// length: longer than 10 characters.
inline bool IsItemKey(std::string_view key) { return key.size() > 10; }

// True when `key` is an item key whose tab, position and size fields
// (characters 1-18) are decimal digits: the line is an item that loads. Item
// keys that fail this are kept in the file as they are, never rewritten.
bool ItemKeyReadable(std::string_view key);

// The two-digit key "00"-"99" of tab `tab` (clamped to that range), which is
// also the key of its title line.
std::string TabKey(int tab);

// The 27-character key of `item` on tab `tab`, with `counter` in the reserved
// field. Every field is clamped to what its width holds, so the key always
// has 27 characters: tab 0-99, positions and sizes 0-9999 (an item dragged
// partly off the top or left edge is stored at 0), flags 0-31, the low byte
// of the rotation, counter 0-99999.
std::string BuildItemKey(const FreeLayoutItem& item, int tab, int counter = 0);

// The item of an item line "key=value". The tab, position and size fields
// (positions 1-18) must be decimal digits; an unreadable flags, rotation or
// reserved field (non-digits, or missing from a short key) counts as 0; the
// rotation is read as hexadecimal of either case. The value is the text after
// the first "=" with every "･･" turned into CR LF. Error (naming the key) when
// the key is shorter than 18 characters or a fixed field is not a number; the
// line is then no item of any tab and must be kept as it is.
Result<FreeLayoutItem> ParseItemLine(std::string_view line);

// The stored line of `item` on tab `tab`: BuildItemKey, "=", and the value
// with its line breaks (CR LF, CR, LF) written as "･･".
std::string BuildItemLine(const FreeLayoutItem& item, int tab, int counter = 0);

}  // namespace lumidex
