// The status bar follows what the album's operations change: the day's page
// status after files are added to the day, the entry's new path after a
// rename.
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "album/album_store.h"
#include "calendar/ui/calendar_controller.h"
#include "calendar/ui/calendar_grid.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/tsub_album_inp_dlg.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/calendar_file_drop.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class StatusRefreshTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }

  void theDaysStatusFollowsFilesAddedToItsPage() {
    CalendarGrid* grid = shown_.views->calendar().grid();
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(5, 4).center());  // 08/21
    QVERIFY(ItemPanel().endsWith(QStringLiteral("画像が未登録です。")));
    shown_.views->fileDrop().DropOn(5, 4, {shown_.album->first});
    QCoreApplication::processEvents();
    QCOMPARE(ItemPanel(), QString());  // a page with entries and no sub-album
  }

  void aRenamedEntryShowsItsNewPath() {
    CalendarGrid* grid = shown_.views->calendar().grid();
    const QPoint day = grid->CellRect(4, 4).center();  // 08/20
    QTest::mouseClick(grid, Qt::LeftButton, {}, day);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, day);
    QVERIFY(shown_.album->store->PageOpen());
    ListView2* list = shown_.views->imageList().view();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    QCOMPARE(ItemPanel(), QString::fromStdString(shown_.album->first));

    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TSubAlbumInpDlg*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      dialog->SetText(QStringLiteral("renamed"));
      dialog->accept();
    });
    shown_.views->imageList().RenameSelected();
    QCoreApplication::processEvents();
    QCOMPARE(ItemPanel(), QString::fromStdString(shown_.album->home.Join("pics/renamed.jpg")));
  }

 private:
  // The status bar's third panel: the day's page status or the entry's name.
  QString ItemPanel() const {
    return shown_.window->statusBar()->findChildren<QLabel*>().value(2)->text();
  }

  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(StatusRefreshTest)
#include "status_refresh_test.moc"
