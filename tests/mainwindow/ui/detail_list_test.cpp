// The detail list in the real window: the calendar's "詳細" shows the
// selected day's page as rows in the place of the list and presses the
// list's "詳細" too; a header click fills and sorts, a second reverses; a
// sub-album opens on double click and "上へ" goes back to it; closing
// releases both buttons and gives the list back. The list's "詳細" in
// folder mode floats over the list with the folder's files and follows it.
#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTableView>
#include <QTest>
#include <memory>

#include "album/album_store.h"
#include "foundation/folder_walk.h"
#include "foundation/text_codec.h"
#include "imagelist/detail_rows.h"
#include "imagelist/ui/detail_list_model.h"
#include "imagelist/ui/detail_list_panel.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class DetailListTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }

  void showsTheDaysRowsSortsThemAndClosesBothButtons() {
    PageSidePanel& side = *shown_.window->pageSide();
    auto* panel = qobject_cast<DetailListPanel*>(side.detailList());
    QVERIFY(panel != nullptr);
    QVERIFY(side.toolbar().dayDetail->isEnabled());
    side.toolbar().dayDetail->click();
    QVERIFY(panel->isVisible());
    QVERIFY(!shown_.views->imageList().isVisible());
    QVERIFY(side.toolbar().fileDetail->isChecked());
    const auto captions = [&] {
      QStringList list;
      for (const auto& row : panel->model().rows()) list << QString::fromStdString(row.caption);
      return list;
    };
    QCOMPARE(captions(), QStringList({"a.jpg", "b.jpg", "旅行"}));

    // Sorting by size fills every row first; the second click reverses.
    QHeaderView& header = *panel->view().horizontalHeader();
    emit header.sectionClicked(kNameColumn);
    QCOMPARE(captions(), QStringList({"旅行", "a.jpg", "b.jpg"}));
    emit header.sectionClicked(kTypeColumn);
    for (const auto& row : panel->model().rows()) QVERIFY(row.filled);
    emit header.sectionClicked(kNameColumn);
    QCOMPARE(captions(), QStringList({"旅行", "b.jpg", "a.jpg"}));
    QCOMPARE(header.sortIndicatorOrder(), Qt::DescendingOrder);

    // The sub-album opens on double click; "上へ" reselects it on its page.
    panel->OpenRow(0);
    QCOMPARE(captions(), QStringList({"a.jpg"}));
    QCOMPARE(panel->section(), std::string("08/20旅行"));
    QTest::keyClick(&panel->view(), Qt::Key_Backspace);
    QCOMPARE(panel->section(), std::string("08/20"));
    QCOMPARE(panel->SelectedRows(), std::vector<size_t>{2});

    emit panel->closeRequested();
    QVERIFY(!panel->isVisible());
    QVERIFY(shown_.views->imageList().isVisible());
    QVERIFY(!side.toolbar().dayDetail->isChecked());
    QVERIFY(!side.toolbar().fileDetail->isChecked());
  }

  void deleteAsksThenDropsTheRowsOwnLineAndSavesTheYear() {
    PageSidePanel& side = *shown_.window->pageSide();
    auto* panel = qobject_cast<DetailListPanel*>(side.detailList());
    side.toolbar().dayDetail->click();
    panel->view().selectRow(1);  // b.jpg
    lumidex::testing::YesToQuestions answer;
    panel->DeleteSelected();
    QCOMPARE(answer.lastQuestion, QStringLiteral("アルバムから 'b.jpg' を削除します。よろしいですか？"));
    QCOMPARE(panel->model().rows().size(), size_t{2});
    const std::string saved =
        DecodeAlbumFile(lumidex::testing::ReadFile(shown_.album->store->yearDocument().FileName()));
    QVERIFY(saved.find(shown_.album->first + "=海") != std::string::npos);
    QVERIFY(saved.find(shown_.album->second) == std::string::npos);
    QVERIFY(lumidex::testing::FileExists(shown_.album->second));  // the file itself stays
  }

  void theListsDetailShowsTheFolderOfTheFolderMode() {
    QVERIFY(shown_.views->imageList().ShowFolder(shown_.album->home.Join("pics"), FolderWalkOptions{}));
    PageSidePanel& side = *shown_.window->pageSide();
    side.toolbar().fileDetail->setChecked(true);
    QVERIFY(side.toolbar().dayDetail->isChecked());
    auto* panel = qobject_cast<DetailListPanel*>(side.detailList());
    QCOMPARE(panel->model().rows().size(), size_t{2});
    QCOMPARE(panel->model().rows()[1].key, shown_.album->second);
    QCOMPARE(panel->section(), std::string());

    // From the list it floats over the list, which stays; a row chosen in
    // it is chosen in the list; the list's next folder becomes its rows.
    QVERIFY(side.detailListFloating());
    QVERIFY(shown_.views->imageList().isVisible());
    panel->view().selectRow(1);
    QCOMPARE(shown_.views->imageList().view()->SelectedRows(), QVector<int>{1});
    for (const char* name : {"x.jpg", "y.png", "z.jpg"}) {
      lumidex::testing::WriteFile(shown_.album->home.Join(std::string("more/") + name), "x");
    }
    QVERIFY(shown_.views->imageList().ShowFolder(shown_.album->home.Join("more"), FolderWalkOptions{}));
    QCOMPARE(panel->model().rows().size(), size_t{3});
    QVERIFY(panel->isVisible());

    // Closed and opened from the calendar, it docks in the list's place.
    emit panel->closeRequested();
    side.toolbar().dayDetail->click();
    QVERIFY(!side.detailListFloating());
    QVERIFY(!shown_.views->imageList().isVisible());
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(DetailListTest)
#include "detail_list_test.moc"
