#include "imagelist/list_thumbnail_rules.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

ThumbnailDrawState ScrollingSmallMultiColumn() {
  ThumbnailDrawState state;
  state.scrolling = true;
  state.multiColumn = true;
  state.smallSize = true;
  return state;
}

TEST(ListThumbnailRulesTest, LargeThumbnailIsDecodedAtQuarterSizeWhileScrollingSmallItems) {
  // Item picture area 56 x 74: the limit is 56 + 74 - 20 = 110.
  EXPECT_TRUE(DecodesAtQuarterSize(ScrollingSmallMultiColumn(), 170, 128, 74, 56));
  EXPECT_TRUE(DecodesAtQuarterSize(ScrollingSmallMultiColumn(), 60, 51, 74, 56));
  EXPECT_FALSE(DecodesAtQuarterSize(ScrollingSmallMultiColumn(), 60, 50, 74, 56));
}

TEST(ListThumbnailRulesTest, EveryConditionIsNeededForAQuarterSizeDecode) {
  for (int missing = 0; missing < 4; ++missing) {
    ThumbnailDrawState state = ScrollingSmallMultiColumn();
    if (missing == 0) state.scrolling = false;
    if (missing == 1) state.multiColumn = false;
    if (missing == 2) state.smallSize = false;
    if (missing == 3) state.highQuality = true;
    EXPECT_FALSE(DecodesAtQuarterSize(state, 170, 128, 74, 56)) << missing;
  }
}

TEST(ListThumbnailRulesTest, HighQualityScalingOnlyForSmallSizeWithTheBoxAndNoScrolling) {
  ThumbnailDrawState state;
  state.smallSize = true;
  state.highQuality = true;
  EXPECT_TRUE(ScalesWithHighQuality(state));
  state.scrolling = true;
  EXPECT_FALSE(ScalesWithHighQuality(state));
  state.scrolling = false;
  state.smallSize = false;
  EXPECT_FALSE(ScalesWithHighQuality(state));
  state.smallSize = true;
  state.highQuality = false;
  EXPECT_FALSE(ScalesWithHighQuality(state));
}

}  // namespace
}  // namespace lumidex
