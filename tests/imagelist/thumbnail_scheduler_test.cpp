#include "imagelist/thumbnail_scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imagelist/fake_worker_clock.h"

namespace lumidex {
namespace {

class ThumbnailSchedulerTest : public ::testing::Test {
 protected:
  ThumbnailSchedulerTest() {
    ItemDataSources sources;
    sources.fileDateText = [](const std::string&) { return std::string("2024/01/01 00:00:00"); };
    sources.listThumbnail = [this](const std::string& path) {
      made.push_back(path);
      ThumbnailAnswer answer;
      answer.bytes = "jpeg";
      return answer;
    };
    list = std::make_unique<ImageList>(types, sources);
    list->SetRedrawHandler([this] { ++redraws; });
    scheduler = std::make_unique<ThumbnailScheduler>(*list, clock);
  }

  static std::vector<std::string> Pictures(int count) {
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back("/p/" + std::to_string(i) + ".jpg=");
    return lines;
  }

  static std::string Path(int i) { return "/p/" + std::to_string(i) + ".jpg"; }

  // Runs `count` due steps, advancing the clock by each delay; returns the
  // delays.
  std::vector<int> Run(int count) {
    std::vector<int> delays;
    for (int i = 0; i < count; ++i) {
      const int delay = scheduler->worker().RunDue();
      delays.push_back(delay);
      if (delay == ListWorker::kIdleForever) break;
      clock.Advance(delay);
    }
    return delays;
  }

  FileTypeLists types;
  testing::FakeWorkerClock clock;
  std::vector<std::string> made;
  int redraws = 0;
  std::unique_ptr<ImageList> list;
  std::unique_ptr<ThumbnailScheduler> scheduler;
};

TEST_F(ThumbnailSchedulerTest, FirstScreenIsPreparedBeforeAnythingElse) {
  list->FillFromContainer(Pictures(2000));
  scheduler->OnDataHint(0, 11, true);
  Run(12);
  ASSERT_EQ(made.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(made[i], Path(i));
  EXPECT_EQ(list->prefetchNext(), 0);
}

TEST_F(ThumbnailSchedulerTest, ItemsOfTheVisibleRangeAreReportedOnceReadyButBackgroundItemsAreNot) {
  std::vector<int> reported;
  scheduler->SetRangeItemHandler([&](int index) {
    // Reported after the item was prepared: its record holds its thumbnail.
    const ALBDATA* record = list->entries().record(index);
    EXPECT_TRUE(record != nullptr && record->data.has_value());
    reported.push_back(index);
  });
  list->FillFromContainer(Pictures(40));
  scheduler->OnDataHint(10, 14, true);
  Run(5 + 30);  // the range, then idle rounds with background steps
  EXPECT_EQ(reported, (std::vector<int>{10, 11, 12, 13, 14}));
  EXPECT_GT(list->prefetchNext(), 20);
  // A new range is reported again.
  scheduler->OnDataHint(30, 31, true);
  Run(3);
  EXPECT_EQ(reported.back(), 31);
}

TEST_F(ThumbnailSchedulerTest, ScrollingToTheEndPreparesThoseItemsBeforeTheBackgroundPass) {
  list->FillFromContainer(Pictures(2000));
  scheduler->OnDataHint(0, 9, true);
  Run(10 + 5);  // the first screen, then a few idle rounds
  made.clear();
  scheduler->OnDataHint(1990, 1999, true);
  Run(10);
  ASSERT_EQ(made.size(), 10u);
  EXPECT_EQ(made.front(), Path(1990));
  EXPECT_EQ(made.back(), Path(1999));
  EXPECT_LT(list->prefetchNext(), 100);
}

TEST_F(ThumbnailSchedulerTest, IdleRoundsMarkTheRangeShownThenPrefetchInOrderWith1MsSleeps) {
  list->FillFromContainer(Pictures(30));
  scheduler->OnDataHint(0, 4, true);
  Run(5);
  EXPECT_EQ(redraws, 0);
  const std::vector<int> delays = Run(3);
  EXPECT_EQ(delays, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(redraws, 1);  // the first mark step shows the range; later ones change nothing
  for (int i = 0; i <= 4; ++i) EXPECT_EQ(list->entries().record(i)->shown, 1);
  // The background pass starts at the top: items 0 to 2 already had records.
  EXPECT_EQ(list->prefetchNext(), 3);
  EXPECT_EQ(made.size(), 5u);
}

TEST_F(ThumbnailSchedulerTest, MarkStepRunsOnlyInTheFirstThreeIdleRoundsAfterARange) {
  list->FillFromContainer(Pictures(40));
  scheduler->OnDataHint(0, 1, true);
  Run(2);
  Run(3);
  // Records of the visible range dropped behind the worker's back: only a
  // mark step would make them again.
  list->entries().SetRecord(0, nullptr);
  Run(1);
  EXPECT_EQ(list->entries().record(0), nullptr);
}

TEST_F(ThumbnailSchedulerTest, WithoutAVisibleRangeTheBackgroundPassStillRuns) {
  list->FillFromContainer(Pictures(3));
  scheduler->worker().Resume();  // no data hint yet: the range is unknown
  EXPECT_EQ(Run(4), (std::vector<int>{1, 1, 1, 10}));
  EXPECT_EQ(made, (std::vector<std::string>{Path(0), Path(1), Path(2)}));
  list->SetVisibleRange(1, 1);
  list->entries().SetRecord(1, nullptr);
  Run(1);  // a new range start is worked before the next idle round
  EXPECT_EQ(made.back(), Path(1));
}

TEST_F(ThumbnailSchedulerTest, SleepsTenMillisecondsOnceEverythingIsPrepared) {
  list->FillFromContainer(Pictures(2));
  scheduler->OnDataHint(0, 1, true);
  const std::vector<int> delays = Run(2 + 3);
  EXPECT_EQ(delays, (std::vector<int>{0, 0, 1, 1, 10}));
}

TEST_F(ThumbnailSchedulerTest, RefillingPausesTheWorkerUntilTheNextDataHint) {
  list->FillFromContainer(Pictures(10));
  scheduler->OnDataHint(0, 3, true);
  Run(2);
  list->FillFromContainer(Pictures(5));
  EXPECT_TRUE(scheduler->worker().paused());
  EXPECT_EQ(scheduler->worker().RunDue(), ListWorker::kIdleForever);
  made.clear();
  scheduler->OnDataHint(0, 1, true);
  EXPECT_FALSE(scheduler->worker().paused());
  Run(2);
  EXPECT_EQ(made, (std::vector<std::string>{Path(0), Path(1)}));
}

TEST_F(ThumbnailSchedulerTest, HintsAreIgnoredWhenTheListCannotWork) {
  list->FillPageList({"03/15=.alb"});
  scheduler->OnDataHint(0, 0, false);
  EXPECT_TRUE(scheduler->worker().paused());
  EXPECT_EQ(list->visibleFirst(), -1);
}

TEST_F(ThumbnailSchedulerTest, DestroyingTheWorkerDetachesItFromTheList) {
  list->FillFromContainer(Pictures(1));
  scheduler.reset();
  list->DropItemData(true);  // must not touch the destroyed worker
  EXPECT_EQ(list->size(), 0);
}

}  // namespace
}  // namespace lumidex
