#pragma once

#include <string_view>
#include <vector>

#include "foundation/colour.h"
#include "mainwindow/colour_scheme.h"

namespace lumidex {

// Which part of a control a scheme colour goes to.
enum class ColourRole {
  kBackground,  // the control's face or box
  kText,        // its text
  kBar,         // the line and bar of a progress bar
};

// One colour given to one control of the main window, named by the control's
// object name.
struct ControlColour {
  std::string_view control;
  ColourRole role;
  Colour colour;

  bool operator==(const ControlColour&) const = default;
};

// The colours a scheme gives to the window's controls, in the order they are
// applied (a later entry for the same control and role wins). The calendar
// bar's pattern strip and the redraw of the lists are not entries: the window
// does those itself after applying these.
std::vector<ControlColour> SchemeAssignments(const ColourScheme& scheme);

}  // namespace lumidex
