// The holiday editor from the calendar bar: an entry added and applied in
// the dialog is in the general holiday file and in the calendar at once.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "calendar/ui/calendar_controller.h"
#include "calendar/ui/calendar_grid.h"
#include "calendar/ui/tholiday_dlg.h"
#include "foundation/text_codec.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class HolidayEditorWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }

  void anAppliedHolidayShowsInTheCalendarAtOnce() {
    CalendarGrid* grid = shown_.views->calendar().grid();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(4, 4).center());  // 2014/08/20
    auto* dayLine = shown_.window->findChild<QLabel*>(QStringLiteral("Label3"));
    QVERIFY(dayLine != nullptr);
    QVERIFY(!dayLine->text().contains(QStringLiteral("写真の日")));
    QAbstractButton* button = shown_.window->calendarBar()->holidaysButton();
    QVERIFY(button->isEnabled());

    bool applied = false;
    int rowsBefore = -1, rowsAfter = -1;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<THolidayDlg*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ListBox1"));
      rowsBefore = list->count();
      dialog->findChild<QLineEdit*>(QStringLiteral("Edit6"))->setText(QStringLiteral("写真の日"));
      auto* add = dialog->findChild<QPushButton*>(QStringLiteral("Button1"));
      QVERIFY(add->isEnabled());
      add->click();
      rowsAfter = list->count();
      auto* apply = dialog->findChild<QAbstractButton*>(QStringLiteral("SpeedButton2"));
      QVERIFY(apply->isEnabled());
      apply->click();
      applied = !apply->isEnabled();
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    button->click();

    QVERIFY(applied);
    QCOMPARE(rowsAfter, rowsBefore + 1);
    const std::string file = lumidex::testing::ReadFile(shown_.album->home.Join("data/NationalHoliday.txt"));
    QVERIFY(file.find(*EncodeCp932Exact("0000900008/20=写真の日\r\n")) != std::string::npos);
    QVERIFY(dayLine->text().contains(QStringLiteral("写真の日")));
    const DayEntryResult entry =
        shown_.views->month().holidays().DayEntry("2014/08/20", 2014, 20);
    QCOMPARE(entry.kind, DayKind::kHoliday);
    QCOMPARE(QString::fromStdString(entry.text), QStringLiteral("写真の日"));
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(HolidayEditorWindowTest)
#include "holiday_editor_window_test.moc"
