#include "imagelist/list_thumbnail_rules.h"

namespace lumidex {
namespace {

// How much larger than the item's picture area a thumbnail must be (width
// and height taken together) before a quarter-size decode pays off.
constexpr int kQuarterSlack = 20;

}  // namespace

bool DecodesAtQuarterSize(const ThumbnailDrawState& state, int thumbnailWidth, int thumbnailHeight,
                          int w, int h) {
  return state.scrolling && state.multiColumn && state.smallSize && !state.highQuality &&
         thumbnailWidth + thumbnailHeight > w + h - kQuarterSlack;
}

bool ScalesWithHighQuality(const ThumbnailDrawState& state) {
  return state.smallSize && state.highQuality && !state.scrolling;
}

}  // namespace lumidex
