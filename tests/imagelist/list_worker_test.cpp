#include "imagelist/list_worker.h"

#include <gtest/gtest.h>

#include <vector>

#include "imagelist/fake_worker_clock.h"

namespace lumidex {
namespace {

// A list that records what the worker asked of it.
class RecordingClient final : public ListWorkerClient {
 public:
  int VisibleFirst() const override { return first; }
  int VisibleLast() const override {
    ++lastReads;
    return last;
  }
  void PrepareItem(int index) override {
    prepared.push_back(index);
    if (clock != nullptr) clock->Advance(msPerItem);
    if (pauseOnPrepare != nullptr && index == pauseAt) pauseOnPrepare->Pause();
  }
  int IdleRound(int round, bool rangeWorked) override {
    idleRounds.push_back(round);
    idleRangeWorked.push_back(rangeWorked);
    return idleSleep;
  }

  int first = -1;
  int last = -1;
  mutable int lastReads = 0;
  int idleSleep = 10;
  std::vector<int> prepared;
  std::vector<int> idleRounds;
  std::vector<bool> idleRangeWorked;
  ListWorker* pauseOnPrepare = nullptr;
  int pauseAt = -1;
  testing::FakeWorkerClock* clock = nullptr;
  int msPerItem = 0;
};

class ListWorkerTest : public ::testing::Test {
 protected:
  // Runs due steps until `count` steps ran, advancing the clock by each delay.
  void RunSteps(int count) {
    for (int i = 0; i < count; ++i) {
      const int delay = worker.RunDue();
      if (delay == ListWorker::kIdleForever) return;
      clock.Advance(delay);
    }
  }

  testing::FakeWorkerClock clock;
  RecordingClient client;
  ListWorker worker{client, clock};
};

TEST_F(ListWorkerTest, StartsPausedAndRunsNothingUntilResumed) {
  client.first = 0;
  client.last = 3;
  EXPECT_TRUE(worker.paused());
  EXPECT_EQ(worker.RunDue(), ListWorker::kIdleForever);
  EXPECT_TRUE(client.prepared.empty());
  worker.Resume();
  RunSteps(4);
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ListWorkerTest, PreparesTheVisibleRangeOneItemPerStepWithoutSleeping) {
  client.first = 5;
  client.last = 7;
  worker.Resume();
  EXPECT_EQ(worker.RunDue(), 0);
  EXPECT_EQ(client.prepared, (std::vector<int>{5}));
  EXPECT_EQ(worker.RunDue(), 0);
  EXPECT_EQ(worker.RunDue(), 0);
  EXPECT_EQ(client.prepared, (std::vector<int>{5, 6, 7}));
  EXPECT_EQ(worker.lastFirst(), 5);
  EXPECT_TRUE(client.idleRounds.empty());
}

TEST_F(ListWorkerTest, ReadsTheRangeEndOnceAndKeepsItWhileTheRangeIsWorked) {
  client.first = 0;
  client.last = 2;
  worker.Resume();
  worker.RunDue();
  client.last = 10;  // the control asks for more while the pass runs
  RunSteps(2);
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(client.lastReads, 1);
}

TEST_F(ListWorkerTest, IdleRoundsAreCountedAfreshAfterEachRange) {
  client.first = 0;
  client.last = 0;
  worker.Resume();
  RunSteps(1 + 3);  // the range, then three idle rounds
  client.first = 4;
  client.last = 4;
  RunSteps(1 + 2);
  EXPECT_EQ(client.idleRounds, (std::vector<int>{0, 1, 2, 0, 1}));
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 4}));
}

TEST_F(ListWorkerTest, IdleRoundsKnowWhetherAnyRangeWasWorked) {
  worker.Resume();  // no visible range yet
  RunSteps(2);
  client.first = 0;
  client.last = 0;
  RunSteps(2);
  EXPECT_EQ(client.idleRangeWorked, (std::vector<bool>{false, false, true}));
}

TEST_F(ListWorkerTest, SleepsAsTheIdleRoundSaysBeforeTheNextStep) {
  worker.Resume();
  client.idleSleep = 10;
  EXPECT_EQ(worker.RunDue(), 10);
  clock.Advance(4);
  EXPECT_EQ(worker.RunDue(), 6);  // not due yet: nothing runs
  EXPECT_EQ(client.idleRounds.size(), 1u);
  clock.Advance(6);
  worker.RunDue();
  EXPECT_EQ(client.idleRounds.size(), 2u);
}

TEST_F(ListWorkerTest, PauseDuringARangeStopsAfterTheCurrentItem) {
  client.first = 0;
  client.last = 9;
  client.pauseOnPrepare = &worker;
  client.pauseAt = 2;
  worker.Resume();
  RunSteps(20);
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(worker.RunDue(), ListWorker::kIdleForever);
}

TEST_F(ListWorkerTest, ResumeForcesAFreshPassOverTheSameRange) {
  client.first = 0;
  client.last = 1;
  worker.Resume();
  RunSteps(3);
  worker.Pause();
  worker.Resume();
  RunSteps(2);
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 1, 0, 1}));
}

TEST_F(ListWorkerTest, ForgetRangePreparesTheVisibleItemsAgainWithoutResuming) {
  client.first = 3;
  client.last = 3;
  worker.Resume();
  RunSteps(2);
  worker.ForgetRange();
  RunSteps(1);
  EXPECT_EQ(client.prepared, (std::vector<int>{3, 3}));
}

TEST_F(ListWorkerTest, RangeBudgetPreparesSeveralItemsPerStep) {
  client.first = 0;
  client.last = 9;
  client.clock = &clock;
  client.msPerItem = 3;
  worker.SetRangeBudgetMs(8);
  worker.Resume();
  EXPECT_EQ(worker.RunDue(), 0);
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 1, 2}));  // 3 + 3 + 3 ms reach the budget
  worker.RunDue();
  worker.RunDue();
  worker.RunDue();
  EXPECT_EQ(client.prepared.size(), 10u);
  EXPECT_TRUE(client.idleRounds.empty());
}

TEST_F(ListWorkerTest, PauseInsideABudgetedStepStopsAtOnce) {
  client.first = 0;
  client.last = 9;
  client.pauseOnPrepare = &worker;
  client.pauseAt = 1;
  worker.SetRangeBudgetMs(1000);
  worker.Resume();
  EXPECT_EQ(worker.RunDue(), ListWorker::kIdleForever);
  EXPECT_EQ(client.prepared, (std::vector<int>{0, 1}));
}

TEST_F(ListWorkerTest, AStoppedWorkerNeverRunsAgain) {
  client.first = 0;
  client.last = 0;
  worker.Stop();
  worker.Resume();
  EXPECT_EQ(worker.RunDue(), ListWorker::kIdleForever);
  EXPECT_TRUE(client.prepared.empty());
}

}  // namespace
}  // namespace lumidex
