#pragma once

#include "freelayout/free_layout_item.h"
#include "freelayout/free_picture.h"
#include "freelayout/text_spec.h"
#include "images/bitmap.h"

namespace lumidex {

// The text box colour when the item's back colour is the page colour: the
// page colour with the lowest bit of red flipped, so the box does not vanish
// where the page colour shows the canvas (a flip, never a carry into green).
Colour VisibleBoxColour(Colour backColour, Colour pageColour);

// Where the text of a w x h box goes: from (5, 5), or (margin, margin) when
// the margin is above 0, to (w - 5, h - 3); a centred text without a line
// break is one line centred in a box whose top is 3.
PixelBox TextArea(const TextSpec& textSpec, int width, int height);

// True when the text is drawn as one centred line (centred, no line break).
bool IsSingleCentredLine(const TextSpec& textSpec);

// The bitmap of a text item of width x height: the page colour, the
// (rounded) box in the back colour (VisibleBoxColour; the page colour with
// clearBack) framed in the frame colour when framed, and the text, word
// wrapped in TextArea with an ellipsis where it is cut off, whole lines
// only, centred when asked, with its shadow (the back colour with clearBack,
// else the box colour darkened to 200/256) one pixel right and down. A
// turned item with a single-line text, when the rotation switch allows,
// shows the text once, turned clockwise by the item's angle, in the window
// text colour instead. Pixels in the page colour show the canvas.
// REQUIRES: a QGuiApplication exists (fonts). Empty for a size below 1.
Bitmap DrawTextItem(const FreeLayoutItem& item, const TextSpec& textSpec, ItemPixelSize size,
                    const FreePictureLook& look);

// Writes "不明ファイル" into the placeholder of a missing picture
// (MissingTextArea). REQUIRES: a QGuiApplication exists.
void DrawMissingPictureText(Bitmap& placeholder, bool imgshadow);

}  // namespace lumidex
