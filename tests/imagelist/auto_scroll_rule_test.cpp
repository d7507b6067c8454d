#include "imagelist/auto_scroll_rule.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(AutoScrollRuleTest, PointerInsideTheListDoesNotScroll) {
  EXPECT_EQ(AutoScrollFor(0, 300).direction, 0);
  EXPECT_EQ(AutoScrollFor(299, 300).direction, 0);
}

TEST(AutoScrollRuleTest, AboveScrollsUpFasterTheFartherOut) {
  EXPECT_EQ(AutoScrollFor(-1, 300), (AutoScrollStep{-1, 100}));
  EXPECT_EQ(AutoScrollFor(-16, 300), (AutoScrollStep{-1, 100}));
  EXPECT_EQ(AutoScrollFor(-17, 300), (AutoScrollStep{-1, 30}));
  EXPECT_EQ(AutoScrollFor(-32, 300), (AutoScrollStep{-1, 30}));
  EXPECT_EQ(AutoScrollFor(-33, 300), (AutoScrollStep{-1, 1}));
  EXPECT_EQ(AutoScrollFor(-5000, 300), (AutoScrollStep{-1, 1}));
}

TEST(AutoScrollRuleTest, BelowCountsTheDistanceFromTheBottomEdge) {
  EXPECT_EQ(AutoScrollFor(300, 300), (AutoScrollStep{1, 100}));
  EXPECT_EQ(AutoScrollFor(315, 300), (AutoScrollStep{1, 100}));
  EXPECT_EQ(AutoScrollFor(316, 300), (AutoScrollStep{1, 30}));
  EXPECT_EQ(AutoScrollFor(331, 300), (AutoScrollStep{1, 30}));
  EXPECT_EQ(AutoScrollFor(332, 300), (AutoScrollStep{1, 1}));
}

}  // namespace
}  // namespace lumidex
