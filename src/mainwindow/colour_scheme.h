#pragma once

#include <array>
#include <string_view>

#include "foundation/colour.h"

namespace lumidex {

// One of the five colour schemes of the window, chosen by the "clr-no"
// setting: 0 "Gray", 1 "Navy", 2 "Purple", 3 "Wine Red", 4 "Green".
//
// A scheme is a pattern strip of 43 rows (stretched over the calendar bar as
// its background; every other window colour is a row of it), a light colour
// and a button colour. The strip is a vertical gradient: rows 0-1 dark, rows
// 2-24 falling from a light to a middle tone, rows 25-30 a dark band, rows
// 31-42 rising again. Plain value type.
struct ColourScheme {
  static constexpr int kStripRows = 43;

  std::array<Colour, kStripRows> strip{};
  Colour light = kWhite;
  Colour button = kBlack;

  // Row y of the strip, 0 at the top. REQUIRES: 0 <= y < kStripRows.
  Colour Row(int y) const { return strip[static_cast<size_t>(y)]; }

  // Colours the drawing code of the calendar, the lists and the menus reads.
  Colour tabColour() const { return Row(2); }
  Colour accentColour() const { return Row(10); }
  // The three band colours: rows 6, 16 and 26. REQUIRES: 0 <= i < 3.
  Colour band(int i) const;
  // The accent mixed into white: Blend(accent, white, 180).
  Colour paleAccent() const { return Blend(accentColour(), kWhite, 180); }
  // Band row 16 mixed into white: Blend(row 16, white, 60).
  Colour paleBand() const { return Blend(Row(16), kWhite, 60); }
  // Background of the version box: Blend(accent, white, 120).
  Colour versionBoxColour() const { return Blend(accentColour(), kWhite, 120); }
};

inline constexpr int kSchemeCount = 5;
inline constexpr int kDefaultScheme = 1;  // "Navy", the default of "clr-no"

// The scheme numbered `clrNo`. A number outside 0-4 (a hand-edited or damaged
// setting) gives the default scheme, so the window always has colours.
const ColourScheme& ColourSchemeFor(int clrNo);

// The scheme number actually used for `clrNo`: itself when in 0-4, else the
// default.
int EffectiveSchemeNumber(int clrNo);

// The name the option dialog shows for scheme `n` ("Gray" ... "Green").
// REQUIRES: 0 <= n < kSchemeCount.
std::string_view SchemeName(int n);

}  // namespace lumidex
