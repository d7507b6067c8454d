#include "imagelist/preview_card.h"

#include "foundation/file_types.h"
#include "images/fit_to_box.h"

namespace lumidex {
namespace {

// The card leaves 60 pixels of the area's height free; the picture keeps a
// 6-pixel margin on each side of the card.
constexpr int kFreeHeight = 60;
constexpr int kPictureMargin = 6;
constexpr int kLeastCardHeight = 2 * kPictureMargin + 1;
constexpr int kShadowOffset = 3;
constexpr int kShadowLines = 3;
constexpr int kCloseMarkInset = 18;
constexpr int kCloseMarkSize = 16;

}  // namespace

PreviewCardLayout LayoutPreviewCard(int areaWidth, int areaHeight) {
  PreviewCardLayout layout;
  if (areaWidth < 1 || areaHeight - kFreeHeight < kLeastCardHeight) return layout;
  const int fullHeight = areaHeight - kFreeHeight;
  // In an area narrower than the card, the card shrinks to fit rather than
  // running off the right edge with its picture.
  const FittedBox place =
      FitToBox(areaWidth, areaHeight, false, fullHeight + fullHeight / 3, fullHeight);
  const int cw = place.width;
  const int ch = place.height;
  if (cw < kLeastCardHeight || ch < kLeastCardHeight) return layout;
  const int x0 = place.left;
  const int y0 = place.top;
  layout.empty = false;
  layout.card = {x0, y0, cw, ch};
  for (int k = 0; k < kShadowLines; ++k) {
    layout.shadows[k] = {x0 + kShadowOffset, y0 + ch + k, cw, 1};
    layout.shadows[kShadowLines + k] = {x0 + cw + k, y0 + kShadowOffset, 1, ch};
  }
  layout.leftEdge = {x0, y0, 1, ch - 1};
  layout.topEdge = {x0, y0, cw - 1, 1};
  layout.pictureBox = {x0 + kPictureMargin, y0 + kPictureMargin, cw - 2 * kPictureMargin,
                       ch - 2 * kPictureMargin};
  layout.closeMark = {areaWidth - kCloseMarkInset, 1, kCloseMarkSize, kCloseMarkSize};
  return layout;
}

ItemRect PreviewPictureRect(const PreviewCardLayout& layout, int pictureWidth, int pictureHeight,
                            bool stretch, bool icon) {
  const ItemRect& box = layout.pictureBox;
  const FittedBox fit = FitToBox(box.width, box.height, stretch, pictureWidth, pictureHeight);
  return {box.x + fit.left, box.y + fit.top + (icon ? 1 : 0), fit.width, fit.height};
}

bool ShowsPreviewOnClick(const PreviewClickFacts& facts) {
  return facts.enlargeChecked && !facts.pictureViewVisible && facts.selectedCount == 1 &&
         facts.fileExists && !FileTypeLists::IsMusicType(facts.extension);
}

}  // namespace lumidex
