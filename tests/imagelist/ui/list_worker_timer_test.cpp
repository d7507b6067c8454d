#include "imagelist/ui/list_worker_timer.h"

#include <QTest>

#include "imagelist/fake_worker_clock.h"
#include "imagelist/list_worker.h"
#include "imagelist/worker_clock.h"

namespace lumidex {

// A list of ten items that all fit on the screen.
class CountingClient final : public ListWorkerClient {
 public:
  int VisibleFirst() const override { return 0; }
  int VisibleLast() const override { return 9; }
  void PrepareItem(int) override { ++prepared; }
  int IdleRound(int, bool) override {
    ++idleRounds;
    return 10;
  }
  int prepared = 0;
  int idleRounds = 0;
};

class ListWorkerTimerTest : public QObject {
  Q_OBJECT

 private slots:
  void WakeRunsTheWorkerOnTheEventLoopUntilPaused() {
    CountingClient client;
    ListWorker worker(client, SteadyWorkerClock());
    ListWorkerTimer timer(worker);
    timer.Wake();  // paused: the step finds nothing to do and the timer idles
    QTest::qWait(30);
    QCOMPARE(client.prepared, 0);
    QVERIFY(!timer.active());
    worker.Resume();
    timer.Wake();
    QTRY_COMPARE(client.prepared, 10);
    QTRY_VERIFY(client.idleRounds >= 2);
    QVERIFY(timer.active());
    worker.Pause();
    QTRY_VERIFY(!timer.active());
    const int rounds = client.idleRounds;
    QTest::qWait(50);
    QCOMPARE(client.idleRounds, rounds);
  }

  void RunNowPreparesTheRangeBeforeTheEventLoopRuns() {
    CountingClient client;
    testing::FakeWorkerClock clock;  // never moves: the range budget is never spent
    ListWorker worker(client, clock);
    worker.SetRangeBudgetMs(5);
    ListWorkerTimer timer(worker);
    worker.Resume();
    timer.RunNow();
    QCOMPARE(client.prepared, 10);
    QCOMPARE(client.idleRounds, 0);
    // The next step (the idle round) waits for the event loop.
    QVERIFY(timer.active());
    QTRY_VERIFY(client.idleRounds >= 1);
  }

  void RunNowOnAPausedWorkerDoesNothingAndLeavesTheTimerIdle() {
    CountingClient client;
    testing::FakeWorkerClock clock;
    ListWorker worker(client, clock);
    ListWorkerTimer timer(worker);
    timer.RunNow();
    QCOMPARE(client.prepared, 0);
    QVERIFY(!timer.active());
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::ListWorkerTimerTest)
#include "list_worker_timer_test.moc"
