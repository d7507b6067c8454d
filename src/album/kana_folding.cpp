#include "album/kana_folding.h"

#include <array>
#include <functional>

#include "foundation/text_codec.h"

namespace lumidex {
namespace {

constexpr char32_t kVoicedMark = 0xFF9E;      // ﾞ
constexpr char32_t kSemiVoicedMark = 0xFF9F;  // ﾟ
constexpr char32_t kFirstHalfKana = 0xFF61;   // ｡

// The full-width form of each half-width character U+FF61 … U+FF9F.
constexpr std::array<char32_t, 0xFF9F - 0xFF61 + 1> kFullOfHalf = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,  // ｡｢｣､･ｦｧｨｩｪｫ
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA,          // ｬｭｮｯｰｱｲｳｴｵ
    0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD,          // ｶｷｸｹｺｻｼｽｾｿ
    0x30BF, 0x30C1, 0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE,          // ﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉ
    0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2,          // ﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓ
    0x30E4, 0x30E6, 0x30E8, 0x30E9, 0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3,          // ﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ
    0x309B, 0x309C};                                                                         // ﾞﾟ

bool IsHalfKana(char32_t c) { return c >= kFirstHalfKana && c <= kSemiVoicedMark; }
bool IsHiragana(char32_t c) { return (c >= 0x3041 && c <= 0x3096) || c == 0x309D || c == 0x309E; }
bool IsKatakana(char32_t c) { return (c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE; }

// Katakana that take a voiced mark: カ … ト and ハ … ホ (the marked form
// is the next character) and ウ (ヴ); ハ … ホ also take the semi-voiced
// mark (the character after the voiced one).
constexpr std::array<char32_t, 21> kVoicable = {0x30AB, 0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7,
                                                0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6,
                                                0x30C8, 0x30CF, 0x30D2, 0x30D5, 0x30D8, 0x30DB, 0x30A6};
bool TakesVoicedMark(char32_t base) {
  for (char32_t c : kVoicable) {
    if (c == base) return true;
  }
  return false;
}
char32_t Voiced(char32_t base) { return base == 0x30A6 ? 0x30F4 : base + 1; }
bool TakesSemiVoicedMark(char32_t base) { return base >= 0x30CF && base <= 0x30DB && (base - 0x30CF) % 3 == 0; }

// Maps `text` one character at a time through `map`, which appends the
// result of one character and may look at the next one (its second
// argument, 0 at the end) and return true when it used it too.
std::string MapText(std::string_view text, const std::function<bool(std::string&, char32_t, char32_t)>& map) {
  std::string out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    const char32_t c = NextCodePoint(text, pos);
    size_t peek = pos;
    const char32_t next = pos < text.size() ? NextCodePoint(text, peek) : 0;
    if (map(out, c, next)) pos = peek;
  }
  return out;
}

// Appends the katakana of half-width `c`, joined with `mark` when it makes
// one voiced character; true when `mark` was used.
bool AppendFullKana(std::string& out, char32_t c, char32_t mark) {
  const char32_t full = kFullOfHalf[c - kFirstHalfKana];
  if (mark == kVoicedMark && TakesVoicedMark(full)) {
    AppendUtf8(out, Voiced(full));
    return true;
  }
  if (mark == kSemiVoicedMark && TakesSemiVoicedMark(full)) {
    AppendUtf8(out, full + 2);
    return true;
  }
  AppendUtf8(out, full);
  return false;
}

// Appends the half-width form of katakana or kana sign `c`; false when it
// has none.
bool AppendHalfKana(std::string& out, char32_t c) {
  for (size_t i = 0; i < kFullOfHalf.size(); ++i) {
    const char32_t full = kFullOfHalf[i];
    const char32_t half = kFirstHalfKana + static_cast<char32_t>(i);
    if (c == full) {
      AppendUtf8(out, half);
      return true;
    }
    if (TakesVoicedMark(full) && c == Voiced(full)) {
      AppendUtf8(out, half);
      AppendUtf8(out, kVoicedMark);
      return true;
    }
    if (TakesSemiVoicedMark(full) && c == full + 2) {
      AppendUtf8(out, half);
      AppendUtf8(out, kSemiVoicedMark);
      return true;
    }
  }
  return false;
}

char32_t ToKatakana(char32_t c) { return IsHiragana(c) ? c + 0x60 : c; }
char32_t ToHiragana(char32_t c) { return IsKatakana(c) ? c - 0x60 : c; }

}  // namespace

std::string ToHalfWidth(std::string_view text) {
  return MapText(text, [](std::string& out, char32_t c, char32_t) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
      AppendUtf8(out, c - 0xFEE0);
    } else if (c == 0x3000) {
      out += ' ';
    } else if (!AppendHalfKana(out, c)) {
      AppendUtf8(out, c);
    }
    return false;
  });
}

std::string ToFullWidth(std::string_view text) {
  return MapText(text, [](std::string& out, char32_t c, char32_t next) {
    if (c >= 0x21 && c <= 0x7E) {
      AppendUtf8(out, c + 0xFEE0);
    } else if (c == ' ') {
      AppendUtf8(out, 0x3000);
    } else if (IsHalfKana(c)) {
      return AppendFullKana(out, c, next);
    } else {
      AppendUtf8(out, c);
    }
    return false;
  });
}

std::string HiraganaToKatakana(std::string_view text) {
  return MapText(text, [](std::string& out, char32_t c, char32_t) {
    AppendUtf8(out, ToKatakana(c));
    return false;
  });
}

std::string KatakanaToHiragana(std::string_view text) {
  return MapText(text, [](std::string& out, char32_t c, char32_t) {
    AppendUtf8(out, ToHiragana(c));
    return false;
  });
}

std::string HiraganaToHalfKatakana(std::string_view text) {
  return MapText(text, [](std::string& out, char32_t c, char32_t) {
    // The long-vowel sign "ー" goes with the kana (ばすでー → ﾊﾞｽﾃﾞｰ).
    if ((!IsHiragana(c) && c != 0x30FC) || !AppendHalfKana(out, ToKatakana(c))) AppendUtf8(out, c);
    return false;
  });
}

std::string HalfKatakanaToHiragana(std::string_view text) {
  return MapText(text, [](std::string& out, char32_t c, char32_t next) {
    if (!IsHalfKana(c) || c < 0xFF66) {  // ｡｢｣､･ are signs, not kana
      AppendUtf8(out, c);
      return false;
    }
    std::string katakana;
    const bool joined = AppendFullKana(katakana, c, next);
    size_t pos = 0;
    AppendUtf8(out, ToHiragana(NextCodePoint(katakana, pos)));
    return joined;
  });
}

void LowerLatinInPlace(std::string& text) {
  // Byte by byte, as the search lower-cases every name it looks at: ASCII
  // capitals, and full-width capitals Ａ–Ｚ (EF BC A1–BA) to ａ–ｚ (EF BD
  // 81–9A); every other byte stays, so broken UTF-8 is left as it is.
  for (size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 'A' && byte <= 'Z') {
      text[i] = static_cast<char>(byte + 0x20);
    } else if (byte == 0xEF && i + 2 < text.size() && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
      const auto last = static_cast<unsigned char>(text[i + 2]);
      if (last >= 0xA1 && last <= 0xBA) {
        text[i + 1] = static_cast<char>(0xBD);
        text[i + 2] = static_cast<char>(last - 0xA1 + 0x81);
      }
      i += 2;
    }
  }
}

std::string LowerLatin(std::string_view text) {
  std::string out(text);
  LowerLatinInPlace(out);
  return out;
}

}  // namespace lumidex
