#pragma once

#include <optional>

#include <string>

#include "foundation/colour.h"
#include "foundation/status.h"
#include "images/bitmap.h"
#include "images/card_geometry.h"

namespace lumidex {

// The geometry of the actual-size view: the picture at its own size (the
// copy), magnified by a zoom step and panned, with an overview navigator
// in the view's top left corner. All rules here are pure; the widget keeps
// the state and draws.
//
// Zoom is kept as an integer step k = 0..kMaxZoomStep for the factors
// 1.0, 1.1, ..., 1.8, so stepping in and out never drifts. A factor f
// cuts the margin trunc((X * f - X) / 2) = X * k / 20 from each side of a
// view length X, so the visible source span X - 2 * margin is at least
// X / 5 and never 0 for X >= 1.

inline constexpr int kMaxZoomStep = 8;
// The navigator picture fits into this box.
inline constexpr int kNavigatorBoxWidth = 150;
inline constexpr int kNavigatorBoxHeight = 130;

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

struct Pan {
  int x = 0;
  int y = 0;
  bool operator==(const Pan&) const = default;
};

// What the view shows: its size (W x H), the zoom step and the pan.
struct ZoomView {
  PixelSize view;
  int step = 0;
  Pan pan;
};

// The step after one press of zoom in (`in`) or out, kept within 0..8.
int NextZoomStep(int step, bool in);

// The zoom margin of a view length: trunc((length * factor - length) / 2).
int ZoomMargin(int length, int step);

// The size the whole copy takes when magnified as the view magnifies it:
// a' = margin(cw), p = cw * 100 / (cw - 2a'), width p * cw / 100 (integer
// divisions), the same for the height; a 400-pixel copy at step 5 gives
// 800. Sides are at least 1 for a non-empty copy and limited to what an int
// holds (a caller that allocates checks Bitmap::SizeAllowed).
PixelSize ZoomedSize(PixelSize copy, int step);

// The view's size for `copy` at `step` in a region of `region` pixels:
// ZoomedSize limited to the region, each side at least 1.
PixelSize LayoutZoomed(PixelSize copy, int step, PixelSize region);

// The part of the copy the view shows, from (a + panX, b + panY) to
// (W + panX - a, H + panY - b). It may reach beyond the copy (a copy
// smaller than the view); DrawZoomed leaves such parts to the background.
PixelRect VisibleSource(const ZoomView& zoom);

// Keeps the visible part inside the copy as a drag or a navigator jump
// does: its right (bottom) edge at most at the copy's, then its left (top)
// edge at least at 0, which wins for a copy smaller than the visible span.
Pan ClampPan(Pan pan, const ZoomView& zoom, PixelSize copy);

// The pan after a zoom step for the view `zoom` (already laid out at the
// new step): a copy larger than the region in either direction keeps the
// pan near the picture (a negative pan becomes -(a >> 1), one beyond the
// copy's far edge copy - W + (a >> 1)); a smaller copy is shown whole, pan
// (-a, -b).
Pan PanAfterZoom(const ZoomView& zoom, PixelSize copy, PixelSize region);

// True when the magnified copy does not fit the region, so the view can be
// panned and shows the navigator.
bool NeedsScrolling(const ZoomView& zoom, PixelSize copy, PixelSize region);

// Draws the visible part of `copy` stretched onto the whole `view` (a plain
// stretch: magnified pixels show as blocks); the parts of the view that map
// outside the copy get `background`. Only the copy's pixels are read, so a
// source reaching beyond it never reads out of bounds. Does nothing for an
// empty view.
void DrawZoomed(const Bitmap& copy, const ZoomView& zoom, Colour background, Bitmap& view);

// The navigator: the whole copy fitted into 150 x 130 without enlarging.
// Both sides are at least 1, also for a 10000 x 60 strip (150 x 1).
PixelSize NavigatorSize(PixelSize copy);

// The outline of the visible part on the navigator `nav`: with
// s = nav / copy (per axis) and the zoom margins scaled by s, the pan and
// the view scaled by s; width and height at most the navigator's.
PixelRect NavigatorOutline(const ZoomView& zoom, PixelSize copy, PixelSize nav);

// The pan that makes the navigator point (x, y) the visible part's top
// left corner (copy / nav in whole pixels per navigator pixel), clamped as
// ClampPan does. None when the point lies beyond the navigator.
std::optional<Pan> NavigatorJump(int x, int y, const ZoomView& zoom, PixelSize copy, PixelSize nav);

}  // namespace lumidex

namespace lumidex {

// "フルサイズ": the whole copy stretched to ZoomedSize (a plain stretch).
// Error "保存に失敗しました。" when that size passes kMaxBitmapPixels (a large
// picture at a high zoom), leaving nothing allocated.
Result<Bitmap> FullSizeEnlarged(const Bitmap& copy, int step);

enum class EnlargedFormat { kBmp, kJpeg };

// Writes `picture` to `path` as a 24-bit Windows bitmap or a JPEG of quality
// 90. Error "保存に失敗しました。" for an empty picture or any failure to
// encode or write; a failed write may leave a partial file behind.
[[nodiscard]] Status SaveEnlargedPicture(const Bitmap& picture, const std::string& path, EnlargedFormat format);

}  // namespace lumidex
