#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// Names of sections and keys, whole lines and file extensions compare without
// regard to the case of ASCII letters; other characters (full-width letters
// included) compare exactly.

// `text` with ASCII letters lowered.
std::string FoldAscii(std::string_view text);

// True when a and b are equal apart from the case of ASCII letters.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Orders texts as their cp932 bytes order, ASCII letters folded: so
// full-width "Ａ" (81 60... 82 60) sorts before "あ" (82 A0), as in the album's
// own code page. Characters without a cp932 form sort after all that have
// one, by code point. Returns <0, 0 or >0. Thread-safe.
int CompareText(std::string_view a, std::string_view b);

// Strict weak ordering for std::sort and friends, by CompareText.
struct TextLess {
  bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

}  // namespace lumidex
