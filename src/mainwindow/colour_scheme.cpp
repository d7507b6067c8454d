#include "mainwindow/colour_scheme.h"

#include <algorithm>
#include <vector>

namespace lumidex {
namespace {

// The rows of each strip that the design fixes, written #RRGGBB.
constexpr std::array<int, 10> kSampledRows = {2, 6, 10, 16, 26, 28, 35, 37, 39, 42};

struct SchemeSamples {
  std::string_view name;
  std::array<std::uint32_t, 10> rows;  // at kSampledRows
  std::uint32_t light;
  std::uint32_t button;
};

constexpr std::array<SchemeSamples, kSchemeCount> kSamples = {{
    {"Gray",
     {0xC2C2C2, 0xA7A7A7, 0x9A9A9A, 0x7F7F7F, 0x383838, 0x373737, 0x4A4A4A, 0x505050, 0x5C5C5C, 0x6A6A6A},
     0xEAEAEA,
     0x808080},
    {"Navy",
     {0xAEBCDB, 0x8DA2C7, 0x7F95BA, 0x667A9B, 0x183059, 0x172F58, 0x2D4076, 0x2F4488, 0x374CA0, 0x4756BC},
     0xE8FBFF,
     0x000080},
    {"Purple",
     {0xB7AFDB, 0x958DC7, 0x8880BA, 0x6F689C, 0x221959, 0x201757, 0x3F2E78, 0x483187, 0x5637A1, 0x7348BD},
     0xEDEBF5,
     0x400080},
    {"Wine Red",
     {0xDDB0CC, 0xC98EB7, 0xBC81AA, 0x9E678E, 0x5B1A47, 0x5A1946, 0x792E5B, 0x8A3163, 0xA33871, 0xC0477F},
     0xFFEEFB,
     0x800080},
    {"Green",
     {0xAFDCB2, 0x8DC88D, 0x80BB80, 0x679C67, 0x195A19, 0x185918, 0x2D7835, 0x30893C, 0x37A249, 0x47BE63},
     0xD9FFD9,
     0x008000},
}};

struct Anchor {
  int row;
  Colour colour;
};

int ClampChannel(int v) { return std::clamp(v, 0, 255); }

// Channel-wise a + (b - a) * num / den, truncating toward zero like the
// window's other pixel arithmetic.
Colour Lerp(Colour a, Colour b, int num, int den) {
  auto mix = [&](int ca, int cb) { return ClampChannel(ca + (cb - ca) * num / den); };
  return RgbColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)), mix(BlueOf(a), BlueOf(b)));
}

// The anchors a strip passes through: the sampled rows, plus the rows the
// gradient's shape fixes. Rows 0-1 and the end of the dark band (row 30) take
// the darkest sample (row 28); row 25 opens the band with row 26's colour;
// row 24 ends the falling part by continuing the slope of rows 10 to 16.
std::vector<Anchor> AnchorsOf(const SchemeSamples& s) {
  std::array<Colour, 10> sampled{};
  for (size_t i = 0; i < sampled.size(); ++i) sampled[i] = FromRgbHex(s.rows[i]);
  const Colour row10 = sampled[2], row16 = sampled[3], row26 = sampled[4], row28 = sampled[5];
  // Continuing the line through rows 10 and 16 for 8 more rows.
  const Colour row24 = Lerp(row10, row16, 24 - 10, 16 - 10);

  std::vector<Anchor> anchors = {{0, row28}, {1, row28}};
  for (size_t i = 0; i < kSampledRows.size(); ++i) {
    const int row = kSampledRows[i];
    if (row == 26) {
      anchors.push_back({24, row24});
      anchors.push_back({25, row26});
    }
    anchors.push_back({row, sampled[i]});
    if (row == 28) anchors.push_back({30, row28});
  }
  return anchors;
}

ColourScheme BuildScheme(const SchemeSamples& s) {
  ColourScheme scheme;
  const std::vector<Anchor> anchors = AnchorsOf(s);
  for (size_t i = 0; i + 1 < anchors.size(); ++i) {
    const Anchor& from = anchors[i];
    const Anchor& to = anchors[i + 1];
    for (int y = from.row; y < to.row; ++y) {
      scheme.strip[static_cast<size_t>(y)] = Lerp(from.colour, to.colour, y - from.row, to.row - from.row);
    }
  }
  scheme.strip[ColourScheme::kStripRows - 1] = anchors.back().colour;
  scheme.light = FromRgbHex(s.light);
  scheme.button = FromRgbHex(s.button);
  return scheme;
}

const std::array<ColourScheme, kSchemeCount>& AllSchemes() {
  static const std::array<ColourScheme, kSchemeCount> schemes = [] {
    std::array<ColourScheme, kSchemeCount> built;
    for (size_t i = 0; i < built.size(); ++i) built[i] = BuildScheme(kSamples[i]);
    return built;
  }();
  return schemes;
}

}  // namespace

Colour ColourScheme::band(int i) const {
  static constexpr std::array<int, 3> kBandRows = {6, 16, 26};
  return Row(kBandRows[static_cast<size_t>(i)]);
}

int EffectiveSchemeNumber(int clrNo) {
  return clrNo >= 0 && clrNo < kSchemeCount ? clrNo : kDefaultScheme;
}

const ColourScheme& ColourSchemeFor(int clrNo) {
  return AllSchemes()[static_cast<size_t>(EffectiveSchemeNumber(clrNo))];
}

std::string_view SchemeName(int n) { return kSamples[static_cast<size_t>(n)].name; }

}  // namespace lumidex
