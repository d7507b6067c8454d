#pragma once

#include "foundation/window_placement.h"

namespace lumidex {

class TForm1;

// What `window` shows now, to keep for the next start: its normal geometry
// (also while maximised), whether it is maximised, the calendar side's width
// (none while the multi-column mode widens the page side, whose widths are
// not the user's choice) and the image list's size toggle `SpeedButton17`.
WindowPlacement CapturedWindowPlacement(const TForm1& window);

// Shows `window` where `placement` says: at its geometry when that still
// lies on a screen (its size cut to the screen), else at its stored or first
// size centred on the primary screen; maximised when it was. The calendar
// side takes its stored width as far as the splitter's minimums allow, and
// the size toggle its stored state. Shows the window.
void ShowAtPlacement(TForm1& window, const WindowPlacement& placement);

}  // namespace lumidex
