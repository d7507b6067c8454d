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
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    Bar().interval->setValue(1);
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void theViewTakesTheCalendarsPlaceWhileAPageIsOpen() {
    OpenPage();
    QVERIFY(window_->pictureView()->isVisible());
    QVERIFY(!window_->calendarGrid()->isVisible());
    ListView2* list = views_->imageList().view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
    QCOMPARE(View().currentPicture(), album_->second);

    views_->imageList().GoBack();
    QVERIFY(!window_->pictureView()->isVisible());
    QVERIFY(window_->calendarGrid()->isVisible());
    QCOMPARE(View().currentPicture(), std::string());
  }

  void aDayShowEntersTheTickedSubAlbumInPlaceAndStopsWhereItStarted() {
    OpenPage();
    Bar().settings->setChecked(true);
    QListWidget* names = window_->pictureView()->slideSettings().subAlbums;
    QCOMPARE(names->count(), 1);
    QCOMPARE(names->item(0)->text(), QStringLiteral("旅行"));
    names->item(0)->setCheckState(Qt::Checked);
    Bar().effect->setCurrentText(QStringLiteral("Overlap 1"));

    std::vector<std::string> shown;
    Run(4, shown);
    QCOMPARE(shown, (std::vector<std::string>{album_->first, album_->second, album_->first, album_->first}));
    QVERIFY(Show().running());
    QCOMPARE(Bar().start->text(), QStringLiteral("Stop"));
    Bar().start->click();
    QVERIFY(!Show().running());
    QCOMPARE(Bar().start->text(), QStringLiteral("Start"));
    QCOMPARE(album_->store->openPage(), std::string("08/20"));
    QVERIFY(!album_->store->SubAlbumOpen());
    QCOMPARE(views_->imageList().list().size(), 3);
  }

  void aListShowRunsThroughItsDaysAcrossYearsAndEndsAtHome() {
    OpenPage();
    Bar().slideType->setCurrentText(QStringLiteral("List"));
    Show().AddToDayList("2013/08/20");
    Show().AddToDayList("2014/08/20");
    std::vector<std::string> shown;
    Run(10, shown);
    QCOMPARE(shown, (std::vector<std::string>{album_->second, album_->first, album_->second}));
    QVERIFY(!Show().running());  // the list is exhausted
    QCOMPARE(album_->store->loadedYear(), std::string("2014"));
    QCOMPARE(album_->store->openPage(), std::string("08/20"));
  }

  void fullScreenHidesTheWindowsBarsUntilEscape() {
    OpenPage();
    Bar().fullScreen->setChecked(true);
    QVERIFY(!window_->calendarBar()->isVisible());
    QTRY_VERIFY(!window_->pictureView()->barPanel()->isVisible());
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 5), View().mapToGlobal(QPointF(50, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
    QVERIFY(window_->pictureView()->barPanel()->isVisible());
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QVERIFY(!Bar().fullScreen->isChecked());
    QVERIFY(window_->calendarBar()->isVisible());
  }

 private:
  const PictureViewPanel::Bar& Bar() const { return window_->pictureView()->bar(); }
  PictureViewWidget& View() const { return views_->pictureViews().view(); }
  SlideShowView& Show() const { return views_->slideShow(); }

  void OpenPage() {
    views_->imageList().view()->SelectAndShow(0);  // 08/20, the page list's first row
    views_->imageList().OpenRow(0);
    QVERIFY(album_->store->PageOpen());
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

  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(SlideShowTest)
#include "slide_show_test.moc"
