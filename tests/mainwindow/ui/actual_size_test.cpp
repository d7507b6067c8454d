// The actual-size view in the real window: "原寸" shows the clicked picture
// at its own size with the zoom buttons in the status area and the menu
// item to save it; the track buttons zoom while no show runs; a large
// picture pans by a drag and by the keys; a show leaves actual size.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <memory>

#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "images/jpeg_codec.h"
#include "images/ui/actual_size_widget.h"
#include "images/ui/picture_view_widget.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/slide_show_view.h"
#include "mainwindow/ui/status_area.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class ActualSizeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(shown_.Open());
    shown_.views->imageList().view()->SelectAndShow(0);
    shown_.views->imageList().OpenRow(0);
    ListView2* list = shown_.views->imageList().view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(Views().view().currentPicture(), shown_.album->first);
  }
  void cleanup() { shown_.Close(); }

  void theButtonShowsThePictureAtItsOwnSizeWithZoomAndSaving() {
    StatusArea& status = *shown_.window->statusArea();
    Bar().actualSize->click();
    QTRY_VERIFY(Actual().hasCopy());
    QCOMPARE(Actual().viewSize(), QSize(64, 48));  // its own size, as it fits
    QVERIFY(status.nextTrack()->isVisible());
    QCOMPARE(status.nextTrack()->toolTip().section('|', 0, 0), QStringLiteral("拡大"));
    QVERIFY(status.resetZoom()->isVisible());
    QVERIFY(shown_.window->enlargedSaveMenu().item->isVisible());

    // The track buttons zoom while no show runs: 1.5 doubles the width.
    for (int i = 0; i < 5; ++i) status.nextTrack()->click();
    QCOMPARE(Actual().zoomStep(), 5);
    QCOMPARE(Actual().viewSize().width(), ZoomedSize({64, 48}, 5).width);
    status.blur()->click();
    QCOMPARE(status.blurLevel()->text(), QStringLiteral("Level : 1"));
    QVERIFY(status.blurLevel()->isVisible());
    status.previousTrack()->click();  // a zoom step switches the blur off
    QVERIFY(!status.blur()->isChecked());
    status.resetZoom()->click();
    QCOMPARE(Actual().zoomStep(), 0);

    // A right drag zooms one step once it passes 16 pixels.
    QTest::mousePress(&Actual(), Qt::RightButton, {}, QPoint(10, 10));
    RightDragTo(QPoint(26, 10));
    QCOMPARE(Actual().zoomStep(), 0);
    RightDragTo(QPoint(27, 10));
    QCOMPARE(Actual().zoomStep(), 1);
    QTest::mouseRelease(&Actual(), Qt::RightButton, {}, QPoint(27, 10));
    status.resetZoom()->click();

    const QString bmp = QString::fromStdString(shown_.album->home.Join("view.bmp"));
    const QString jpeg = QString::fromStdString(shown_.album->home.Join("full.jpg"));
    QVERIFY(Views().SaveEnlargedTo(false, bmp, EnlargedFormat::kBmp).ok());
    QCOMPARE(QFile(bmp).size(), qint64(54 + 64 * 3 * 48));
    QVERIFY(Views().SaveEnlargedTo(true, jpeg, EnlargedFormat::kJpeg).ok());
    QVERIFY(QFile(jpeg).size() > 0);
    QVERIFY(!Views().SaveEnlargedTo(true, QStringLiteral("/nonexistent/dir/x.bmp"), EnlargedFormat::kBmp).ok());

    // A show leaves actual size.
    Bar().start->click();
    QVERIFY(!Bar().actualSize->isChecked());
    QVERIFY(!Actual().isVisible());
    QVERIFY(!shown_.window->enlargedSaveMenu().item->isVisible());
    Bar().start->click();
  }

  void aLargePicturePansByDragAndKeysAndStaysInside() {
    Bitmap big = Bitmap::Create(3000, 2000);
    big.Fill(0x00FF00);
    const std::string path = shown_.album->home.Join("pics/big.jpg");
    lumidex::testing::WriteFile(path, EncodeJpeg(big).value());
    Bar().actualSize->click();
    Actual().Open(path);
    QTRY_VERIFY(Actual().hasCopy() && Actual().viewSize().width() < 3000);
    QCOMPARE(Actual().viewSize(), Views().view().size());  // limited to the region

    const QPoint middle(Actual().viewSize().width() / 2, Actual().viewSize().height() / 2);
    QTest::mousePress(&Actual(), Qt::LeftButton, {}, middle);
    QTest::mouseMove(&Actual(), middle - QPoint(100, 50));
    QTest::mouseRelease(&Actual(), Qt::LeftButton, {}, middle - QPoint(100, 50));
    QCOMPARE(Actual().pan(), (Pan{100, 50}));
    // A press and release on the navigator draws it; "ビューサイズ" saves it.
    QTest::mousePress(&Actual(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&Actual(), Qt::LeftButton, {}, QPoint(5, 5));
    Result<Bitmap> shown = Actual().EnlargedPicture(false);
    QVERIFY(shown.ok());
    QCOMPARE(shown.value().PixelAt(0, 0) & 0xFFFFFFu, 0u);  // the navigator's black frame on green
    for (int i = 0; i < 200; ++i) QTest::keyClick(&Actual(), Qt::Key_Right);
    QCOMPARE(Actual().pan().x, 3000 - Actual().viewSize().width());  // stops at the right edge

    // Ticking "ストレッチ" leaves actual size.
    Bar().stretch->setChecked(true);
    QVERIFY(!Bar().actualSize->isChecked());
    QVERIFY(!Actual().hasCopy());
  }

 private:
  void RightDragTo(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), Actual().mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&Actual(), &move);
  }
  const PictureViewPanel::Bar& Bar() const { return shown_.window->pictureView()->bar(); }
  PictureViews& Views() const { return shown_.views->pictureViews(); }
  ActualSizeWidget& Actual() const { return Views().actualView(); }

  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(ActualSizeTest)
#include "actual_size_test.moc"
