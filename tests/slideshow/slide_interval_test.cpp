#include "slideshow/slide_interval.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(SlideIntervalTest, LabelShowsSecondsWithoutTrailingZeros) {
  EXPECT_EQ(SlideIntervalText(1000), "1秒");
  EXPECT_EQ(SlideIntervalText(1), "0.001秒");
  EXPECT_EQ(SlideIntervalText(1234), "1.234秒");
  EXPECT_EQ(SlideIntervalText(2500), "2.5秒");
  EXPECT_EQ(SlideIntervalText(60000), "60秒");
}

TEST(SlideIntervalTest, RightClickRoundsDownToWholeSecondsFromOneSecondOn) {
  EXPECT_EQ(RoundedSlideInterval(2500), 2000);
  EXPECT_EQ(RoundedSlideInterval(800), 800);
}

TEST(SlideIntervalTest, ArrowKeysStepWithinTheRange) {
  EXPECT_EQ(SlideIntervalAfterArrowKey(1000, +1), 1099);
  EXPECT_EQ(SlideIntervalAfterArrowKey(50, -1), 1);
  EXPECT_EQ(SlideIntervalAfterArrowKey(59950, +1), 60000);
}

}  // namespace
}  // namespace lumidex
