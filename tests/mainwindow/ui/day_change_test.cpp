// The periodic check in the real window: when the local date changes, the
// today panel and the calendar's today follow within twelve checks, and a
// click on the panel shows the new day; a stopped check changes nothing.
#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QTest>
#include <ctime>
#include <memory>

#include <QLineEdit>

#include "calendar/ui/calendar_controller.h"
#include "foundation/text_codec.h"
#include "freelayout/layout_operations.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/page_side_panel.h"
#include "calendar/ui/calendar_controls.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/tday_chk_thread.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

namespace {

std::chrono::system_clock::time_point LocalNoon(const CalendarDate& date) {
  std::tm tm{};
  tm.tm_year = date.year - 1900;
  tm.tm_mon = date.month - 1;
  tm.tm_mday = date.day;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  return std::chrono::system_clock::from_time_t(std::mktime(&tm));
}

}  // namespace

class DayChangeTest : public QObject {
  Q_OBJECT

 private slots:
  void theTodayPanelFollowsTheDate() {
    lumidex::testing::WindowTestAlbum album;
    auto window = std::make_unique<TForm1>();
    window->SetEnvironment(std::move(album.env));
    CalendarDate today{2014, 8, 31};
    auto* views = new AlbumViews(*window, *album.store, nullptr, [&] { return today; });
    views->ShowFirstMonth();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    TDayChkThread check(*window, views->calendar(), [&] { return LocalNoon(today); });
    QAbstractButton* panel = views->calendar().controls()->todayPanel();
    QCOMPARE(panel->text(), QStringLiteral("2014/08/31(日)"));

    today = {2014, 9, 1};
    for (int call = 0; call < 11; ++call) check.PeriodicCheck();
    QCOMPARE(panel->text(), QStringLiteral("2014/08/31(日)"));  // the full part is still to come
    check.PeriodicCheck();
    QCOMPARE(panel->text(), QStringLiteral("2014/09/01(月)"));
    QCOMPARE(views->month().state().today, std::string("2014/09/01"));
    panel->click();
    QCOMPARE(views->month().state().selectedDay, std::string("2014/09/01"));

    check.Stop();
    today = {2014, 9, 2};
    for (int call = 0; call < 24; ++call) check.PeriodicCheck();
    QCOMPARE(panel->text(), QStringLiteral("2014/09/01(月)"));
    QVERIFY(!check.running());
  }

  // "適用" is usable only while something is unsaved, and its mark blinks
  // with the full part of the check.
  void theApplyButtonFollowsUnsavedChanges() {
    lumidex::testing::WindowTestAlbum album;
    std::unique_ptr<TForm1> window;
    AlbumViews* views = lumidex::testing::ShowWindowOver(album, window);
    TDayChkThread check(*window, views->calendar());
    bool unsaved = false;
    check.SetUnsavedTest([&] { return unsaved; });
    QAbstractButton* apply = window->pageSide()->toolbar().apply;
    check.PeriodicCheck();
    QVERIFY(!apply->isEnabled());
    unsaved = true;
    // 36 checks hold three full parts: the mark comes, goes and comes.
    const auto markShown = [&] { return apply->icon().pixmap(10, 10).toImage().pixelColor(5, 5).alpha() > 0; };
    int flips = 0;
    bool shown = false;
    for (int call = 0; call < 36; ++call) {
      check.PeriodicCheck();
      QVERIFY(apply->isEnabled());
      if (markShown() != shown) {
        shown = !shown;
        ++flips;
      }
    }
    QCOMPARE(flips, 3);
    QVERIFY(shown);
    unsaved = false;
    check.PeriodicCheck();
    QVERIFY(!apply->isEnabled());
    QVERIFY(apply->icon().isNull());
  }

  // Delete with the free layout shown: a press no control took deletes the
  // canvas's selected items; in a text input it stays the input's own.
  void deleteGoesToTheFreeLayoutOnlyWhenNoTextInputHasIt() {
    lumidex::testing::WindowTestAlbum album;
    lumidex::testing::WriteFile(album.env->folders.albumDir + "2014.ini",
                                EncodeAlbumFile("[08/20]\r\n00=旅行\r\n000020002003000220010000000=" + album.first +
                                                "\r\n000300025002000080000000000=" + album.second + "\r\n"));
    std::unique_ptr<TForm1> window;
    AlbumViews* views = lumidex::testing::ShowWindowOver(album, window);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    TDayChkThread check(*window, views->calendar());
    views->imageList().view()->SelectAndShow(0);
    views->imageList().OpenRow(0);  // 08/20
    window->pageSide()->toolbar().freeLayout->click();
    FreeLayoutCanvas* canvas = window->pageSide()->freeLayout().canvas;
    QCOMPARE(canvas->items().size(), size_t{2});
    canvas->Edit([](std::vector<FreeLayoutItem>& items) { SelectOnly(items, 0); });

    auto* input = new QLineEdit(window.get());
    input->show();
    input->setFocus();
    QTest::keyClick(input, Qt::Key_Delete);
    QCOMPARE(canvas->items().size(), size_t{2});

    input->clearFocus();
    window->setFocus();
    QTest::keyClick(window.get(), Qt::Key_Delete);
    QCOMPARE(canvas->items().size(), size_t{1});
  }
};

QTEST_MAIN(DayChangeTest)
#include "day_change_test.moc"
