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
  TextSpec spec;
  spec.fontSize = DecimalOr(FieldAt(value, 0, 2), -1);
  if (spec.fontSize < 0) {
    return Status::Error("テキストの文字サイズを読めません: " + std::string(FieldAt(value, 0, 2)));
  }
  spec.textColour = HexOr(FieldAt(value, 2, 6), spec.textColour);
  spec.backColour = HexOr(FieldAt(value, 8, 6), spec.backColour);
  spec.frameColour = HexOr(FieldAt(value, 14, 6), spec.frameColour);
  spec.cornerRadius = DecimalOr(FieldAt(value, 20, 2), spec.cornerRadius);
  spec.centred = DecimalOr(FieldAt(value, 22, 2), spec.centred);
  spec.margin = DecimalOr(FieldAt(value, 24, 2), spec.margin);
  spec.text = std::string(FieldAt(value, 26, std::string_view::npos));
  return spec;
}

std::string FormatTextSpec(const TextSpec& spec) {
  char fields[27];
  std::snprintf(fields, sizeof fields, "%02d%06X%06X%06X%02d%02d%02d", Clamp99(spec.fontSize),
                spec.textColour & 0xFFFFFFu, spec.backColour & 0xFFFFFFu,
                spec.frameColour & 0xFFFFFFu, Clamp99(spec.cornerRadius), Clamp99(spec.centred),
                Clamp99(spec.margin));
  return fields + spec.text;
}

}  // namespace lumidex
