#pragma once

#include <cstdint>

namespace lumidex {

// A colour as the album's drawing code keeps it: 0x00BBGGRR, red in the low
// byte. The top byte is always 0.
using Colour = std::uint32_t;

inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kBlack = 0x00000000;

// The colour of the red, green and blue channel values (each 0-255).
constexpr Colour RgbColour(int red, int green, int blue) {
  return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The colour written "#RRGGBB" (red first), as design tables give colours.
constexpr Colour FromRgbHex(std::uint32_t rrggbb) {
  return RgbColour(static_cast<int>((rrggbb >> 16) & 0xFF), static_cast<int>((rrggbb >> 8) & 0xFF),
                   static_cast<int>(rrggbb & 0xFF));
}

constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

// One channel of the mix: b + ((a - b) * w) >> 8. The shift rounds towards
// minus infinity (0x9A over 0xFF with weight 180 gives 0xB7, not 0xB8), which
// is what an arithmetic right shift of a negative int does in C++20.
constexpr int BlendChannel(int a, int b, int w) { return b + (((a - b) * w) >> 8); }

// w/256 of colour `a` over colour `b`, per red, green and blue channel.
// REQUIRES: 0 <= w <= 256.
constexpr Colour Blend(Colour a, Colour b, int w) {
  return RgbColour(BlendChannel(RedOf(a), RedOf(b), w), BlendChannel(GreenOf(a), GreenOf(b), w),
                   BlendChannel(BlueOf(a), BlueOf(b), w));
}

}  // namespace lumidex
