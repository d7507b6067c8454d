#pragma once

namespace lumidex {

// The state of the list that decides how a thumbnail is decoded and scaled.
struct ThumbnailDrawState {
  bool scrolling = false;    // the vertical scroll bar is being dragged
  bool multiColumn = false;  // the multi-column list mode is on
  bool smallSize = false;    // the size button "画像サイズの切換" is down
  bool highQuality = false;  // the check box "高画質"
};

// True when a thumbnail of `thumbnailWidth` x `thumbnailHeight` is decoded
// at a quarter of its size for an item whose picture area is w x h: while
// scrolling in the multi-column mode with the small size and without high
// quality, for a thumbnail larger than the item (its width + height above
// w + h - 20). Many small items pass by at once then, and a quarter-size
// decode is several times cheaper; the end of scrolling redraws in full.
bool DecodesAtQuarterSize(const ThumbnailDrawState& state, int thumbnailWidth, int thumbnailHeight,
                          int w, int h);

// True when a thumbnail is scaled with high quality: the small size with
// "高画質" checked, and not while scrolling. Otherwise the plain stretch.
bool ScalesWithHighQuality(const ThumbnailDrawState& state);

}  // namespace lumidex
