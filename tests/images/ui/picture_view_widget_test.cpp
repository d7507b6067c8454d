#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

#include "images/image_fixtures.h"
#include "images/shell_images.h"
#include "images/ui/picture_view_widget.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

// Whether the colour of `pixel` is `rgb` (0xRRGGBB) within the loss of a
// JPEG of one flat colour.
bool Near(QRgb pixel, uint32_t rgb) {
  return std::abs(qRed(pixel) - static_cast<int>(rgb >> 16)) <= 8 &&
         std::abs(qGreen(pixel) - static_cast<int>(rgb >> 8 & 0xFF)) <= 8 &&
         std::abs(qBlue(pixel) - static_cast<int>(rgb & 0xFF)) <= 8;
}

}  // namespace

class PictureViewWidgetTest : public QObject {
  Q_OBJECT

 private:
  // A flat JPEG of `rgb` in the temporary folder.
  std::string Jpeg(const char* name, int width, int height, uint32_t rgb) {
    const std::string path = home_.Join(name);
    testing::WriteFile(path, testing::WriteJpeg(width, height, testing::JpegKind::kBaseline,
                                                [rgb](int, int) { return rgb; }));
    return path;
  }

  // The view as drawn now. A 400 x 300 view has its picture box at
  // (16, 16), 363 x 268; its centre is (197, 150).
  static QImage Drawn(PictureViewWidget& view) { return view.grab().toImage(); }

  testing::TempHome home_;

 private slots:
  void showsAPictureInTheBoxThenRunsAnOverlapToItsEnd() {
    PictureViewWidget view(NoShellImages());
    view.resize(400, 300);
    view.SetWindowColour(0x00404040);
    view.ShowPicture(Jpeg("red.jpg", 200, 150, 0xFF0000));
    QTRY_VERIFY(Near(Drawn(view).pixel(197, 150), 0xFF0000));
    const QImage shown = Drawn(view);
    QVERIFY(Near(shown.pixel(20, 20), 0xFFFFFF));  // the card's face around the small picture
    QCOMPARE(shown.pixel(2, 2), qRgb(0x40, 0x40, 0x40));  // the window colour

    QSignalSpy slideShown(&view, &PictureViewWidget::slideShown);
    view.ShowSlide(Jpeg("green.jpg", 800, 600, 0x00FF00), TransitionEffect::kOverlap1, {});
    QTRY_VERIFY(view.transitionRunning());
    QCOMPARE(slideShown.count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(slideShown.count(), 1, 10000);
    QVERIFY(!view.transitionRunning());
    QVERIFY(Near(Drawn(view).pixel(197, 150), 0x00FF00));

    // Stopping the show during the next transition draws its picture fully
    // and reports the slide shown at once.
    view.ShowSlide(Jpeg("blue.jpg", 800, 600, 0x0000FF), TransitionEffect::kOverlap2, {});
    QTRY_VERIFY(view.transitionRunning());
    view.EndShow();
    QCOMPARE(slideShown.count(), 2);
    QVERIFY(!view.transitionRunning());
    QVERIFY(Near(Drawn(view).pixel(197, 150), 0x0000FF));
    QTest::qWait(300);
    QCOMPARE(slideShown.count(), 2);  // and never again later
  }

  void stopAndStartQuicklyAndDestroyingMidTransitionAreSafe() {
    auto* view = new PictureViewWidget(NoShellImages());
    view->resize(400, 300);
    QSignalSpy slideShown(view, &PictureViewWidget::slideShown);
    const std::string first = Jpeg("a.jpg", 800, 600, 0xFF0000);
    view->ShowSlide(first, TransitionEffect::kFade, {});
    view->EndShow();  // still being decoded: reported now, drawn later without a transition
    QCOMPARE(slideShown.count(), 1);
    view->ShowSlide(Jpeg("b.jpg", 800, 600, 0x0000FF), TransitionEffect::kFade, {});
    QTRY_VERIFY(view->transitionRunning());
    QCOMPARE(slideShown.count(), 1);
    delete view;
    QTest::qWait(200);  // no frame or decoded picture reaches the deleted view
  }
};

QTEST_MAIN(PictureViewWidgetTest)
#include "picture_view_widget_test.moc"
