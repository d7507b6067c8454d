#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "foundation/file_store.h"

namespace lumidex {

// The by-date free layout documents of the earlier layout, rewritten once at
// the very first start (no "dataver" setting yet).
//
// Earlier item keys have 19 characters: the tab number (1-2), four fields of
// four digits holding x, y, width and height in hundredths of a proportional
// scale (3-6, 7-10, 11-14, 15-18) and one flag character (19). Earlier text
// values have no margin field: the text follows the centring field directly.

// The line of the current layout for one line of the earlier layout:
// - a key of fewer than 3 characters (a tab title): its first two characters;
// - a 19-character key whose fields 3-18 are digits: the tab number, each
//   field as (S x trunc(old / 100)) div 100 with S = 730 for x and width and
//   364 for y and height, four zero-padded digits each, the old flag
//   character followed by "0" (so an old "1" reads as the flags 10), and
//   "0000000" (rotation and reserved); a text value gets "00" (margin 0)
//   inserted after its 24th character, a picture path stays;
// - any other line (no "=", another key length, fields that are not numbers)
//   stays as it is, so nothing unreadable is rewritten into something wrong.
std::string ConvertEarlierLine(std::string_view line);

struct EarlierLayoutConversion {
  std::vector<std::string> converted;  // paths of the documents rewritten
  std::vector<std::string> problems;   // messages of documents left unchanged
};

// Converts every by-date document in `albumDir` (files "<number>.ini" with a
// number above 1000, letter case of ".ini" aside) that has no "ver" section:
// every line of every section by ConvertEarlierLine, sections in their order,
// then "Tsubame=1" in "ver", saved atomically. Documents with "ver" (even an
// empty one: converting twice would destroy positions), by-album documents
// "<yyyy>A.ini" and every other file are not touched, not even rewritten.
// A document that cannot be read or saved is named in `problems` and left as
// it was; the others are still converted. A missing folder converts nothing.
EarlierLayoutConversion ConvertEarlierLayout(const std::string& albumDir,
                                             FileStore& store = RealFileStore());

}  // namespace lumidex
