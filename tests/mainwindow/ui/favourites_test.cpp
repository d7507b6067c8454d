// The favourites panel in the real window: "お気に入り" shows the year's
// favourites; the list's "お気に入りに追加" stores the selected entries of
// the open page; a favourite opens its page (from the page list) and is
// selected there; deleting asks and removes only the bookmark.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "album/album_store.h"
#include "foundation/text_codec.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/favourites_view.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class FavouritesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }


  void addsOpensAndDeletesFavourites() {
    auto* view = shown_.window->findChild<FavouritesView*>();
    QVERIFY(view != nullptr);
    const PageSidePanel::Favourites& panel = shown_.window->pageSide()->favourites();
    ImageListPanel& list = shown_.views->imageList();
    // Open 08/20 and add its second entry.
    QVERIFY(shown_.album->store->OpenPage("08/20").ok());
    list.SyncWithStore();
    list.SelectRow(1);
    view->AddSelected();
    const std::string file = shown_.album->home.path() + "/data/tester/myphoto/2014.ini";
    QCOMPARE(DecodeAlbumFile(lumidex::testing::ReadFile(file)), "[08/20]\r\n" + shown_.album->second + "=08/20\r\n\r\n");

    shown_.window->pageSide()->toolbar().favourites->setChecked(true);
    QVERIFY(panel.panel->isVisible());
    QCOMPARE(panel.title->text(), QStringLiteral("8月20日のお気に入り"));
    QCOMPARE(panel.list->topLevelItemCount(), 1);
    QCOMPARE(panel.list->topLevelItem(0)->text(2), QStringLiteral("b.jpg"));

    // From the page list the year's favourites show; opening one opens its
    // page and selects the entry.
    QVERIFY(shown_.album->store->GoBack(true).ok());
    list.SyncWithStore();
    QCOMPARE(panel.title->text(), QStringLiteral("2014年のお気に入り"));
    view->Open(0);
    QVERIFY(shown_.album->store->PageOpen());
    QCOMPARE(shown_.album->store->openPage(), std::string("08/20"));
    QCOMPARE(list.view()->SelectedRows(), QVector<int>{1});

    // The free layout view by album name lists the whole year's favourites
    // even with a page open; by date, the page's.
    const PageSidePanel::Toolbar& toolbar = shown_.window->pageSide()->toolbar();
    toolbar.freeLayout->setChecked(true);
    QVERIFY(panel.panel->isVisible());
    QCOMPARE(panel.title->text(), QStringLiteral("8月20日のお気に入り"));
    toolbar.byDate->click();
    QVERIFY(shown_.window->settings().freemode);
    QCOMPARE(panel.title->text(), QStringLiteral("2014年のお気に入り"));
    toolbar.byDate->click();
    QCOMPARE(panel.title->text(), QStringLiteral("8月20日のお気に入り"));
    shown_.window->pageSide()->toolbar().freeLayout->setChecked(false);

    // Deleting asks, then removes the bookmark only.
    panel.list->topLevelItem(0)->setSelected(true);
    lumidex::testing::YesToQuestions answer;
    view->DeleteSelected();
    QCOMPARE(panel.list->topLevelItemCount(), 0);
    QCOMPARE(DecodeAlbumFile(lumidex::testing::ReadFile(file)), std::string());
    QCOMPARE(shown_.album->store->Lines().size(), size_t{3});
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(FavouritesTest)
#include "favourites_test.moc"
