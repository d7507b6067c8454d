#pragma once

#include <string>
#include <string_view>

namespace lumidex {

// The character conversions of the search options "半角と全角を区別しない"
// and "ひらがなとカタカナを区別しない". Each maps UTF-8 text character by
// character and leaves every other character as it is; invalid UTF-8
// comes out as U+FFFD.

// Full-width letters, digits and signs (U+FF01–U+FF5E) and the ideographic
// space become their ASCII forms; katakana and the kana signs 。「」、・゛゜ー
// become half-width katakana, a voiced or semi-voiced katakana as its base
// followed by "ﾞ" or "ﾟ" (ガ → ｶﾞ, パ → ﾊﾟ, ヴ → ｳﾞ).
std::string ToHalfWidth(std::string_view text);

// The reverse of ToHalfWidth: ASCII signs, letters and digits and the space
// become full-width; half-width katakana become katakana, a base followed
// by "ﾞ" or "ﾟ" joined into one voiced or semi-voiced character when there
// is one (ｶﾞ → ガ), else the mark becomes "゛" or "゜".
std::string ToFullWidth(std::string_view text);

// Hiragana (ぁ–ゖ, ゝ, ゞ) become katakana.
std::string HiraganaToKatakana(std::string_view text);
// Katakana (ァ–ヶ, ヽ, ヾ) become hiragana.
std::string KatakanaToHiragana(std::string_view text);
// Hiragana and the long-vowel sign "ー" become half-width katakana (voiced
// ones as base and mark).
std::string HiraganaToHalfKatakana(std::string_view text);
// Half-width katakana become hiragana (a base and its mark joined), the
// half-width long-vowel sign "ｰ" becomes "ー".
std::string HalfKatakanaToHiragana(std::string_view text);

// ASCII and full-width Latin capitals become small letters.
std::string LowerLatin(std::string_view text);
void LowerLatinInPlace(std::string& text);

}  // namespace lumidex
