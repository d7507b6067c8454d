// The picture view and the slide show in the real window: the view takes the
// calendar's place while a page is open and shows the clicked entry; a show
// steps through the page with its ticked sub-album in place, runs through
// the days of its list across years, and leaves the album where it started.
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <memory>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "images/ui/picture_view_widget.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/slide_show_view.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class SlideShowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(shown_.Open());
    Bar().interval->setValue(1);
  }
  void cleanup() { shown_.Close(); }

  void theViewTakesTheCalendarsPlaceWhileAPageIsOpen() {
    OpenPage();
    QVERIFY(shown_.window->pictureView()->isVisible());
    QVERIFY(!shown_.window->calendarGrid()->isVisible());
    ListView2* list = shown_.views->imageList().view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    QCOMPARE(View().currentPicture(), shown_.album->second);

    shown_.views->imageList().GoBack();
    QVERIFY(!shown_.window->pictureView()->isVisible());
    QVERIFY(shown_.window->calendarGrid()->isVisible());
    QCOMPARE(View().currentPicture(), std::string());
  }

  void aDayShowEntersTheTickedSubAlbumInPlaceAndStopsWhereItStarted() {
    OpenPage();
    Bar().settings->setChecked(true);
    QListWidget* names = shown_.window->pictureView()->slideSettings().subAlbums;
    QCOMPARE(names->count(), 1);
    QCOMPARE(names->item(0)->text(), QStringLiteral("旅行"));
    names->item(0)->setCheckState(Qt::Checked);
    Bar().effect->setCurrentText(QStringLiteral("Overlap 1"));

    std::vector<std::string> shown;
    Run(4, shown);
    QCOMPARE(shown, (std::vector<std::string>{shown_.album->first, shown_.album->second, shown_.album->first, shown_.album->first}));
    QVERIFY(Show().running());
    QCOMPARE(Bar().start->text(), QStringLiteral("Stop"));
    Bar().start->click();
    QVERIFY(!Show().running());
    QCOMPARE(Bar().start->text(), QStringLiteral("Start"));
    QCOMPARE(shown_.album->store->openPage(), std::string("08/20"));
    QVERIFY(!shown_.album->store->SubAlbumOpen());
    QCOMPARE(shown_.views->imageList().list().size(), 3);
  }

  void aListShowRunsThroughItsDaysAcrossYearsAndEndsAtHome() {
    OpenPage();
    Bar().slideType->setCurrentText(QStringLiteral("List"));
    Show().AddToDayList("2013/08/20");
    Show().AddToDayList("2014/08/20");
    std::vector<std::string> shown;
    Run(10, shown);
    QCOMPARE(shown, (std::vector<std::string>{shown_.album->second, shown_.album->first, shown_.album->second}));
    QVERIFY(!Show().running());  // the list is exhausted
    QCOMPARE(shown_.album->store->loadedYear(), std::string("2014"));
    QCOMPARE(shown_.album->store->openPage(), std::string("08/20"));
  }

  void fullScreenHidesTheWindowsBarsUntilEscape() {
    OpenPage();
    Bar().fullScreen->setChecked(true);
    QVERIFY(!shown_.window->calendarBar()->isVisible());
    QTRY_VERIFY(!shown_.window->pictureView()->barPanel()->isVisible());
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 5), View().mapToGlobal(QPointF(50, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
    QVERIFY(shown_.window->pictureView()->barPanel()->isVisible());
    QTest::keyClick(shown_.window.get(), Qt::Key_Escape);
    QVERIFY(!Bar().fullScreen->isChecked());
    QVERIFY(shown_.window->calendarBar()->isVisible());
  }

 private:
  const PictureViewPanel::Bar& Bar() const { return shown_.window->pictureView()->bar(); }
  PictureViewWidget& View() const { return shown_.views->pictureViews().view(); }
  SlideShowView& Show() const { return shown_.views->slideShow(); }

  void OpenPage() {
    shown_.views->imageList().view()->SelectAndShow(0);  // 08/20, the page list's first row
    shown_.views->imageList().OpenRow(0);
    QVERIFY(shown_.album->store->PageOpen());
  }

  // Starts the show and collects the pictures of up to `count` slides, or
  // until the show ends by itself.
  void Run(int count, std::vector<std::string>& shown) {
    QMetaObject::Connection c = connect(&View(), &PictureViewWidget::slideShown,
                                        [&] { shown.push_back(View().currentPicture()); });
    Bar().start->click();
    QTRY_VERIFY_WITH_TIMEOUT(static_cast<int>(shown.size()) >= count || !Show().running(), 10000);
    disconnect(c);
  }

  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(SlideShowTest)
#include "slide_show_test.moc"
