// The window comes back as the last run left it: place, size, the calendar
// side's width and the list's size toggle.
#include <QAbstractButton>
#include <QSplitter>
#include <QTest>

#include "foundation/window_placement.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_placement_bridge.h"

using namespace lumidex;

class WindowPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void aWindowShownAtTheCapturedPlacementLooksAsTheOneBefore() {
    WindowPlacement kept;
    {
      TForm1 before;
      before.setGeometry(40, 30, 760, 520);
      before.show();
      QVERIFY(QTest::qWaitForWindowExposed(&before));
      before.splitter()->setSizes({300, 457});
      before.pageSide()->toolbar().size->setChecked(true);
      kept = CapturedWindowPlacement(before);
    }
    QCOMPARE(kept.splitter, 300);

    TForm1 after;
    ShowAtPlacement(after, kept);
    QVERIFY(QTest::qWaitForWindowExposed(&after));
    QCOMPARE(after.geometry(), QRect(40, 30, 760, 520));
    QCOMPARE(after.splitter()->sizes().value(0), 300);
    QVERIFY(after.pageSide()->toolbar().size->isChecked());
  }
};

QTEST_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
