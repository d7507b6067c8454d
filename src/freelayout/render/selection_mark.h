#pragma once

#include "freelayout/free_picture.h"
#include "images/bitmap.h"

namespace lumidex {

// The mark of a selected item, on its own bitmap: black for an item that
// keeps its proportions, else blue; a solid line along the top row, a
// dash-dot line (9 on, 6 off, 3 on, 6 off) down the right column and back
// along the bottom row, and a solid line up the left column. The corner
// pixel below the left line's start (0, h - 1) is left as it was. Nothing on
// an empty bitmap.
void DrawSelectionMark(Bitmap& bitmap, bool keepAspect);

// Takes the mark away: the outermost pixels in `frame` (white for pictures,
// the page colour for texts), then the bevel again for an unturned picture
// (`bevel`, with "imgshadow").
void EraseSelectionMark(Bitmap& bitmap, Colour frame, bool bevel, const FreePictureLook& look);

}  // namespace lumidex
