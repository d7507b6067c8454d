// Work queued behind a widget's first paint: it runs once, after that paint,
// or at its latest time when the widget is never painted, and never after
// the widget is gone.
#include <QTest>
#include <QWidget>
#include <memory>

#include "mainwindow/ui/after_first_paint.h"

using namespace lumidex;

namespace {

// A widget that writes its paints into the log the work writes into too.
class LoggingWidget : public QWidget {
 public:
  explicit LoggingWidget(QStringList& log) : log_(log) {}

 protected:
  void paintEvent(QPaintEvent*) override { log_.append(QStringLiteral("paint")); }

 private:
  QStringList& log_;
};

}  // namespace

class AfterFirstPaintTest : public QObject {
  Q_OBJECT

 private slots:
  void theWorkFollowsTheFirstPaintOnce() {
    QStringList log;
    LoggingWidget widget(log);
    widget.resize(120, 80);
    AfterFirstPaint::Run(&widget, [&log] { log.append(QStringLiteral("work")); });
    QCoreApplication::processEvents();  // nothing painted yet: nothing runs
    QVERIFY(log.isEmpty());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QTRY_VERIFY(log.contains(QStringLiteral("work")));
    QCOMPARE(log.first(), QStringLiteral("paint"));
    widget.repaint();
    QTest::qWait(50);
    QCOMPARE(log.count(QStringLiteral("work")), 1);
  }

  void aWidgetNeverPaintedGetsTheWorkAtTheLatestTime() {
    QStringList log;
    LoggingWidget widget(log);
    AfterFirstPaint::Run(&widget, [&log] { log.append(QStringLiteral("work")); }, 30);
    QTRY_COMPARE(log, QStringList{QStringLiteral("work")});
    QTest::qWait(50);
    QCOMPARE(log.size(), 1);
  }

  void aWidgetDeletedFirstTakesTheWorkWithIt() {
    QStringList log;
    auto widget = std::make_unique<LoggingWidget>(log);
    AfterFirstPaint::Run(widget.get(), [&log] { log.append(QStringLiteral("work")); }, 10);
    widget.reset();
    QTest::qWait(60);
    QVERIFY(log.isEmpty());
  }
};

QTEST_MAIN(AfterFirstPaintTest)
#include "after_first_paint_test.moc"
