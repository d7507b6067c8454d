#pragma once

#include <string>
#include <string_view>

#include "foundation/colour.h"
#include "foundation/status.h"

namespace lumidex {

// The value of a text item. Positions are 1-based characters:
//
//   1-2    fontSize       points, two decimal digits
//   3-8    textColour     six hexadecimal digits of the 0x00BBGGRR value
//   9-14   backColour     as above
//   15-20  frameColour    as above
//   21-22  cornerRadius   pixels, two decimal digits
//   23-24  centred        "00" or "05"
//   25-26  margin         pixels, two decimal digits
//   27-    text           with real CR LF line breaks (the stored "･･" are
//                         turned into CR LF when the item line is read)
//
// Colours are written in upper case and read in either case. A colour or
// number field that does not read (other characters, or missing because the
// value is short) takes its default below.
struct TextSpec {
  int fontSize = 10;
  Colour textColour = 0;
  Colour backColour = 0xFFFFFF;
  Colour frameColour = 0x808080;
  int cornerRadius = 0;
  int centred = 0;  // 0 or 5
  int margin = 0;
  std::string text;

  friend bool operator==(const TextSpec&, const TextSpec&) = default;
};

// The look and text of a text item's value. Error when the font size (the
// first two characters) is not a decimal number: such a value has no size to
// draw with. Every other field takes its default when unreadable.
Result<TextSpec> ParseTextSpec(std::string_view value);

// The value of `textSpec`. Numbers are clamped to 0-99 and colours to their low
// 24 bits, so that the fixed fields keep their widths and the text always
// starts at character 27.
std::string FormatTextSpec(const TextSpec& textSpec);

}  // namespace lumidex
