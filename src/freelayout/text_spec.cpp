#include "freelayout/text_spec.h"

#include <algorithm>
#include <cstdio>

#include "foundation/text_codec.h"

namespace lumidex {
namespace {

// The byte offset of character `n` (0-based) of UTF-8 `value`, or its size
// when it has fewer characters. The fields are counted in characters, so a
// garbage value never has its text start inside a character.
size_t OffsetOfCharacter(std::string_view value, size_t n) {
  size_t pos = 0;
  for (size_t i = 0; i < n && pos < value.size(); ++i) NextCodePoint(value, pos);
  return pos;
}

// Characters [from, from + width) of `value`, shorter or empty where it ends.
std::string_view FieldAt(std::string_view value, size_t from, size_t width) {
  const size_t begin = OffsetOfCharacter(value, from);
  const size_t end = begin + OffsetOfCharacter(value.substr(begin), width);
  return value.substr(begin, end - begin);
}

// The decimal number of `field`, or `fallback` when it is empty or holds a
// non-digit.
int DecimalOr(std::string_view field, int fallback) {
  if (field.empty()) return fallback;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return fallback;
    value = value * 10 + (c - '0');
  }
  return value;
}

// The colour of a hexadecimal `field` of either case, or `fallback`.
Colour HexOr(std::string_view field, Colour fallback) {
  if (field.empty()) return fallback;
  Colour value = 0;
  for (char c : field) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      return fallback;
    }
    value = (value << 4) | static_cast<Colour>(digit);
  }
  return value;
}

int Clamp99(int value) { return std::clamp(value, 0, 99); }

}  // namespace

Result<TextSpec> ParseTextSpec(std::string_view value) {
  TextSpec textSpec;
  textSpec.fontSize = DecimalOr(FieldAt(value, 0, 2), -1);
  if (textSpec.fontSize < 0) {
    return Status::Error("テキストの文字サイズを読めません: " + std::string(FieldAt(value, 0, 2)));
  }
  textSpec.textColour = HexOr(FieldAt(value, 2, 6), textSpec.textColour);
  textSpec.backColour = HexOr(FieldAt(value, 8, 6), textSpec.backColour);
  textSpec.frameColour = HexOr(FieldAt(value, 14, 6), textSpec.frameColour);
  textSpec.cornerRadius = DecimalOr(FieldAt(value, 20, 2), textSpec.cornerRadius);
  textSpec.centred = DecimalOr(FieldAt(value, 22, 2), textSpec.centred);
  textSpec.margin = DecimalOr(FieldAt(value, 24, 2), textSpec.margin);
  textSpec.text = std::string(FieldAt(value, 26, std::string_view::npos));
  return textSpec;
}

std::string FormatTextSpec(const TextSpec& textSpec) {
  char fields[27];
  std::snprintf(fields, sizeof fields, "%02d%06X%06X%06X%02d%02d%02d", Clamp99(textSpec.fontSize),
                textSpec.textColour & 0xFFFFFFu, textSpec.backColour & 0xFFFFFFu,
                textSpec.frameColour & 0xFFFFFFu, Clamp99(textSpec.cornerRadius), Clamp99(textSpec.centred),
                Clamp99(textSpec.margin));
  return fields + textSpec.text;
}

}  // namespace lumidex
