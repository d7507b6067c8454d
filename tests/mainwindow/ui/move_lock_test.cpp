// The page side's "移動の許可と禁止" in the real window: shown with the free
// layout only; while it is down the free layout's items keep their places.
#include <QAbstractButton>
#include <QTest>

#include "foundation/text_codec.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class MoveLockTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    shown_.album = std::make_unique<lumidex::testing::WindowTestAlbum>();
    lumidex::testing::WriteFile(shown_.album->env->folders.albumDir + "2014.ini",
                                EncodeAlbumFile("[08/20]\r\n000020002003000220010000000=" +
                                                shown_.album->first + "\r\n"));
    shown_.views = lumidex::testing::ShowWindowOver(*shown_.album, shown_.window);
    QVERIFY(QTest::qWaitForWindowExposed(shown_.window.get()));
  }
  void cleanup() { shown_.Close(); }

  void aDownButtonKeepsTheItemsInPlaceAndOnlyTheFreeLayoutShowsIt() {
    const PageSidePanel::Toolbar& toolbar = shown_.window->pageSide()->toolbar();
    FreeLayoutCanvas* canvas = shown_.window->pageSide()->freeLayout().canvas;
    QVERIFY(!toolbar.banMove->isVisible());
    shown_.views->imageList().view()->SelectAndShow(0);
    shown_.views->imageList().OpenRow(0);  // 08/20
    toolbar.freeLayout->click();
    QVERIFY(toolbar.banMove->isVisible());
    QCOMPARE(toolbar.banMove->text(), QStringLiteral("移動"));
    QCOMPARE(canvas->items().size(), size_t{1});

    const auto nudged = [canvas] {
      std::vector<FreeLayoutItem> items = canvas->items();
      items[0].selected = true;
      canvas->Preview(items);
      const int before = canvas->items()[0].x;
      canvas->setFocus();
      QTest::keyClick(canvas, Qt::Key_Right);
      return canvas->items()[0].x != before;
    };
    QVERIFY(nudged());

    toolbar.banMove->click();
    QCOMPARE(toolbar.banMove->text(), QStringLiteral("固定"));
    QVERIFY(!nudged());
    // Resizing still works while moves are forbidden.
    const int width = canvas->items()[0].width;
    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(canvas->items()[0].width != width);

    toolbar.banMove->click();
    QVERIFY(nudged());

    lumidex::testing::YesToQuestions answer;  // the moved items are saved on leaving
    toolbar.freeLayout->click();
    QVERIFY(!toolbar.banMove->isVisible());
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(MoveLockTest)
#include "move_lock_test.moc"
