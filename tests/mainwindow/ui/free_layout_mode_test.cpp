// The free layout view in the real window: "フリー配置" shows the free
// layout page of the open day in the place of the list, with its tab strip,
// its counter and the items of the selected tab on the canvas; another tab
// or another day shows other items, and leaving gives the list back.
#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <memory>

#include "album/album_store.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/text_codec.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class FreeLayoutModeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    const std::string document =
        "[08/20]\r\n00=旅行\r\n01=家族\r\n"
        "000020002003000220010000000=" + album_->first + "\r\n"
        "000300025002000080000000000=14000000ffffff808080000000楽しい･･旅行\r\n"
        "010001000100030002000000000=" + album_->second + "\r\n"
        "[08/21]\r\n000010001000100010000000000=10000000ffffff808080000000x\r\n";
    lumidex::testing::WriteFile(album_->env->folders.albumDir + "2014.ini", EncodeAlbumFile(document));
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void showsTheOpenDaysPageTabByTabAndGivesTheListBack() {
    views_->imageList().view()->SelectAndShow(0);
    views_->imageList().OpenRow(0);  // 08/20
    const PageSidePanel::FreeLayout& parts = window_->pageSide()->freeLayout();
    window_->pageSide()->toolbar().freeLayout->click();
    QVERIFY(parts.panel->isVisible());
    QVERIFY(!views_->imageList().isVisible());
    QCOMPARE(window_->pageSide()->namePanel()->text(), QStringLiteral("日付で配置 > 8月20日"));
    QCOMPARE(parts.tabs->captions(), QStringList({QStringLiteral("旅行"), QStringLiteral("家族")}));
    QCOMPARE(parts.counter->text(), QStringLiteral("1/2"));
    QCOMPARE(parts.canvas->items().size(), size_t{2});
    QCOMPARE(parts.canvas->items()[1].value, std::string("14000000ffffff808080000000楽しい\r\n旅行"));
    // The canvas keeps the 2:1 shape within its frame.
    QCOMPARE(parts.canvas->width(), parts.canvas->parentWidget()->width() - 30);
    QCOMPARE(parts.canvas->height(), parts.canvas->width() / 2);

    emit parts.tabs->currentChanged(1);
    QCOMPARE(parts.canvas->items().size(), size_t{1});
    QCOMPARE(parts.canvas->items()[0].value, album_->second);

    views_->calendar().ShowMonth(QStringLiteral("2014/08/21"), true);
    QCOMPARE(parts.counter->text(), QStringLiteral("2/2"));
    QVERIFY(parts.tabs->isHidden());  // one untitled tab: no strip
    QCOMPARE(parts.canvas->items().size(), size_t{1});

    window_->pageSide()->toolbar().freeLayout->click();
    QVERIFY(!parts.panel->isVisible());
    QVERIFY(views_->imageList().isVisible());
    QCOMPARE(window_->pageSide()->namePanel()->text(), views_->imageList().headingText());
  }

 private:
  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(FreeLayoutModeTest)
#include "free_layout_mode_test.moc"
