#pragma once

#include "foundation/colour.h"
#include "mainwindow/colour_scheme.h"

namespace lumidex {

// The colours of the flat buttons on one of the window's bars. At rest a
// button shows only its label on the bar; under the pointer it gets a dark
// face with a faint frame, pressed or down (a toggle that is on) a darker
// face with a frame in the label's colour. The label keeps its colour in
// every state but the disabled one, which is dimmed towards the bar. Plain
// value type.
struct BarButtonColours {
  Colour text = kWhite;
  Colour disabledText = kWhite;
  Colour hoverFace = kBlack;
  Colour hoverFrame = kBlack;
  Colour downFace = kBlack;
  Colour downFrame = kWhite;

  bool operator==(const BarButtonColours&) const = default;
};

// The button colours for a bar of `scheme` whose labels are `text` on
// `background` (for the calendar bar's strip, the middle tone behind its
// labels). The faces are the scheme's dark band (row 26) and a darker mix
// of it, on which the light labels of every scheme stay readable.
BarButtonColours BarButtonColoursFor(const ColourScheme& scheme, Colour background, Colour text);

// The contrast ratio of two colours as the web's accessibility guidelines
// define it, from 1 (the same) to 21 (black and white): (L1 + 0.05) /
// (L2 + 0.05) of their relative luminances, the lighter first. Labels need
// 4.5 or more to read easily.
double ContrastRatio(Colour a, Colour b);

}  // namespace lumidex
