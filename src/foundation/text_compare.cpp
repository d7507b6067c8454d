#include "foundation/text_compare.h"

#include "foundation/cp932_tables.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Sort key of a character with ASCII letters folded to lower case: its cp932
// code; raw-byte escapes after every cp932 code; characters cp932 lacks after
// those, by code point. Every character has its own key.
uint32_t OrderKey(const Cp932Tables& tables, char32_t cp) {
  if (cp >= 'A' && cp <= 'Z') cp += 'a' - 'A';
  if (const uint32_t code = tables.Encode(cp); code != Cp932Tables::kNone) return code;
  if (cp >= 0xF780 && cp <= 0xF7FF) return 0xFD00 + (cp - 0xF700);
  return 0x10000 + cp;
}

}  // namespace

std::string FoldAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

int CompareText(std::string_view a, std::string_view b) {
  const Cp932Tables& tables = Cp932Tables::Get();
  size_t i = 0;
  size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[j]);
    if (ca < 0x80 && cb < 0x80) {  // the common ASCII case, without decoding
      const char la = LowerAscii(static_cast<char>(ca));
      const char lb = LowerAscii(static_cast<char>(cb));
      if (la != lb) return static_cast<unsigned char>(la) < static_cast<unsigned char>(lb) ? -1 : 1;
      ++i;
      ++j;
      continue;
    }
    const uint32_t ka = OrderKey(tables, NextCodePoint(a, i));
    const uint32_t kb = OrderKey(tables, NextCodePoint(b, j));
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace lumidex
