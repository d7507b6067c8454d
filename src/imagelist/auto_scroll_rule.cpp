#include "imagelist/auto_scroll_rule.h"

namespace lumidex {
namespace {

constexpr int kNearDistance = 16;
constexpr int kMiddleDistance = 32;
constexpr int kNearIntervalMs = 100;
constexpr int kMiddleIntervalMs = 30;
constexpr int kFarIntervalMs = 1;

int IntervalFor(int distance) {
  if (distance <= kNearDistance) return kNearIntervalMs;
  if (distance <= kMiddleDistance) return kMiddleIntervalMs;
  return kFarIntervalMs;
}

}  // namespace

AutoScrollStep AutoScrollFor(int pointerY, int listHeight) {
  if (pointerY < 0) return {-1, IntervalFor(-pointerY)};
  if (pointerY >= listHeight) return {1, IntervalFor(pointerY - listHeight + 1)};
  return {0, kNearIntervalMs};
}

}  // namespace lumidex
