#pragma once

#include "mainwindow/colour_scheme.h"

class QWidget;

namespace lumidex {

// Gives the controls below `root` (found by object name) the colours of
// `scheme`, in the order of SchemeAssignments. Controls that do not exist
// (yet) are skipped. Texts on the darker parts (the status bar, the list and
// favourites headings, the page side toolbar and bar, the picture view bar)
// are set to the light colour so they stay readable on every scheme. The
// flat buttons of the bars (the calendar bar, the page side toolbar and bar,
// the bottom bar, the picture view bar) take BarButtonColoursFor the bar.
void PaintSchemeColours(QWidget* root, const ColourScheme& scheme);

}  // namespace lumidex
