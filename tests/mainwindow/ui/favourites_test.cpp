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
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void addsOpensAndDeletesFavourites() {
    auto* view = window_->findChild<FavouritesView*>();
    QVERIFY(view != nullptr);
    const PageSidePanel::Favourites& panel = window_->pageSide()->favourites();
    ImageListPanel& list = views_->imageList();
    // Open 08/20 and add its second entry.
    QVERIFY(album_->store->OpenPage("08/20").ok());
    list.SyncWithStore();
    list.SelectRow(1);
    view->AddSelected();
    const std::string file = album_->home.path() + "/data/tester/myphoto/2014.ini";
    QCOMPARE(DecodeAlbumFile(lumidex::testing::ReadFile(file)), "[08/20]\r\n" + album_->second + "=08/20\r\n\r\n");

    window_->pageSide()->toolbar().favourites->setChecked(true);
    QVERIFY(panel.panel->isVisible());
    QCOMPARE(panel.title->text(), QStringLiteral("8月20日のお気に入り"));
    QCOMPARE(panel.list->topLevelItemCount(), 1);
    QCOMPARE(panel.list->topLevelItem(0)->text(2), QStringLiteral("b.jpg"));

    // From the page list the year's favourites show; opening one opens its
    // page and selects the entry.
    QVERIFY(album_->store->GoBack(true).ok());
    list.SyncWithStore();
    QCOMPARE(panel.title->text(), QStringLiteral("2014年のお気に入り"));
    view->Open(0);
    QVERIFY(album_->store->PageOpen());
    QCOMPARE(album_->store->openPage(), std::string("08/20"));
    QCOMPARE(list.view()->SelectedRows(), QVector<int>{1});

    // Deleting asks, then removes the bookmark only.
    panel.list->topLevelItem(0)->setSelected(true);
    QTimer answer;
    connect(&answer, &QTimer::timeout, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        box->button(QMessageBox::Yes)->click();
      }
    });
    answer.start(10);
    view->DeleteSelected();
    QCOMPARE(panel.list->topLevelItemCount(), 0);
    QCOMPARE(DecodeAlbumFile(lumidex::testing::ReadFile(file)), std::string());
    QCOMPARE(album_->store->Lines().size(), size_t{3});
  }

 private:
  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(FavouritesTest)
#include "favourites_test.moc"
