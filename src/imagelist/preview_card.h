#pragma once

#include <array>
#include <string_view>

#include "imagelist/item_geometry.h"

namespace lumidex {

// Where the parts of the preview card go in its area of W x H pixels: the
// selected picture shown large as a print on a white card in place of the
// list. The card is ch = H - 60 high and cw = ch + ch / 3 wide (integer
// division), centred by FitToBox without enlarging at (x0, y0).
struct PreviewCardLayout {
  bool empty = true;  // the area is too small for a card: nothing is drawn
  ItemRect card;      // the white face with its grey outline, (x0, y0) cw x ch
  // Three light grey lines below the card, (x0 + 3, y0 + ch + k) cw long,
  // then three at its right, (x0 + cw + k, y0 + 3) ch long; k = 0, 1, 2.
  std::array<ItemRect, 6> shadows{};
  ItemRect leftEdge;  // the card's left and top edges, drawn again in
  ItemRect topEdge;   // light grey over the outline
  ItemRect
      pictureBox;  // the box the picture is fitted into: (cw - 12) x (ch - 12) at (x0 + 6, y0 + 6)
  ItemRect closeMark;  // the close symbol at (W - 18, 1)
  bool operator==(const PreviewCardLayout&) const = default;
};

// The layout for an area of `areaWidth` x `areaHeight`. An area too low for
// a card with room for a picture (H - 60 below 13) gives an empty layout, so
// that a shrunken window never asks FitToBox for a box without pixels.
PreviewCardLayout LayoutPreviewCard(int areaWidth, int areaHeight);

// Where a picture of `pictureWidth` x `pictureHeight` goes on the card of
// `layout`: fitted into the picture box (enlarged only with `stretch`, the
// check box "ストレッチ") and centred in it. An icon goes one pixel lower, as
// its bitmap is drawn with a one-pixel top margin. REQUIRES: !layout.empty.
ItemRect PreviewPictureRect(const PreviewCardLayout& layout, int pictureWidth, int pictureHeight,
                            bool stretch, bool icon);

// What decides whether a click on a list item shows the preview card.
struct PreviewClickFacts {
  bool enlargeChecked = false;      // the check box "拡大"
  bool pictureViewVisible = false;  // the picture view shows clicked items instead
  int selectedCount = 0;
  bool fileExists = false;
  std::string_view extension;  // lower case, with the dot
};

// True when the clicked item is shown on the preview card: "拡大" checked,
// the picture view hidden, exactly one item selected, its file present and
// not a music file.
bool ShowsPreviewOnClick(const PreviewClickFacts& facts);

}  // namespace lumidex
