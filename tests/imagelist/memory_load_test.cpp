#include "imagelist/memory_load.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(MemoryLoadTest, LoadIsTheShareOfMemoryNotAvailable) {
  EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal:  1000 kB\nMemFree: 10 kB\nMemAvailable:   150 kB\n"),
            85);
  EXPECT_EQ(MemoryLoadFromMeminfo("MemTotal: 800 kB\nMemAvailable: 800 kB\n"), 0);
}

TEST(MemoryLoadTest, TextWithoutTheFiguresGivesNothing) {
  EXPECT_FALSE(MemoryLoadFromMeminfo("MemTotal: 1000 kB\n"));
  EXPECT_FALSE(MemoryLoadFromMeminfo("XMemAvailable: 5 kB\nMemTotal: 10 kB\n"));
  EXPECT_FALSE(MemoryLoadFromMeminfo(""));
}

TEST(MemoryLoadTest, ThisMachineReportsAPercentage) {
  const int load = SystemMemoryLoadPercent();
  EXPECT_GE(load, 0);
  EXPECT_LE(load, 100);
}

}  // namespace
}  // namespace lumidex
