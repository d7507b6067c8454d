#pragma once

#include "mainwindow/colour_scheme.h"

class QWidget;

namespace lumidex {

// Gives the controls below `root` (found by object name) the colours of
// `scheme`, in the order of SchemeAssignments. Controls that do not exist
// (yet) are skipped. Texts of the dark status bar and of the list and favourites
// headings are set to the light colour so they stay readable on every scheme.
void PaintSchemeColours(QWidget* root, const ColourScheme& scheme);

}  // namespace lumidex
