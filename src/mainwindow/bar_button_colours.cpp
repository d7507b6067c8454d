#include "mainwindow/bar_button_colours.h"

#include <algorithm>
#include <cmath>

namespace lumidex {
namespace {

// The sRGB channel `value` (0-255) in linear light.
double Linear(int value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour c) {
  return 0.2126 * Linear(RedOf(c)) + 0.7152 * Linear(GreenOf(c)) + 0.0722 * Linear(BlueOf(c));
}

}  // namespace

BarButtonColours BarButtonColoursFor(const ColourScheme& scheme, Colour background, Colour text) {
  const Colour band = scheme.Row(26);
  BarButtonColours c;
  c.text = text;
  // Dimmed a little more than half-way to the bar: still legible, plainly off.
  c.disabledText = Blend(text, background, 120);
  c.hoverFace = band;
  c.hoverFrame = Blend(text, band, 110);
  c.downFace = Blend(kBlack, band, 90);
  c.downFrame = text;
  return c;
}

double ContrastRatio(Colour a, Colour b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace lumidex
