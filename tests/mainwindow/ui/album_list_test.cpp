// The album list window in the real window: "全てのアルバム" lists the years
// with their counts; a year's pages and files, "戻る"; going to a
// sub-album's file opens the sub-album and selects it; "検索" lists the
// album's hits with the message.
#include <sys/stat.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <ctime>
#include <memory>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_list_commands.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/calendar_bar.h"
#include "mainwindow/ui/search_dialog.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/tool_select_dlg.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class AlbumListTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }


  void listsYearsPagesAndFilesAndGoesToThem() {
    auto* commands = shown_.window->findChild<AlbumListCommands*>();
    QVERIFY(commands != nullptr);
    shown_.window->calendarBar()->allAlbumsButton()->click();
    TToolSelectDlg* dialog = commands->window();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    const auto texts = [&] {
      QStringList list;
      for (const auto& row : dialog->rows()) list << QString::fromStdString(row.text);
      return list;
    };
    QCOMPARE(texts(), QStringList({"2013年 （1枚）", "2014年 （2枚） （1冊 - 1枚）"}));
    QCOMPARE(dialog->list().headerItem()->text(0), QStringLiteral("[ 2 ]"));

    dialog->list().setCurrentItem(dialog->list().topLevelItem(1));
    dialog->ShowPages();
    QCOMPARE(texts(), QStringList({"08/20 （2枚） （1冊 - 1枚）"}));
    dialog->Back();
    dialog->findChild<QCheckBox*>()->setChecked(false);
    dialog->ShowFiles(FileListKind::kAll);
    QCOMPARE(dialog->rows().size(), size_t{3});
    QVERIFY(!dialog->label().text().contains(QStringLiteral("含まない")));

    // The sub-album's file: its sub-album opens with the file selected.
    int subAlbumRow = -1;
    for (size_t i = 0; i < dialog->rows().size(); ++i) {
      if (!dialog->rows()[i].subAlbum.empty()) subAlbumRow = static_cast<int>(i);
    }
    QVERIFY(subAlbumRow >= 0);
    dialog->list().setCurrentItem(dialog->list().topLevelItem(subAlbumRow));
    dialog->GoToSelected();
    QVERIFY(shown_.album->store->SubAlbumOpen());
    QCOMPARE(shown_.album->store->currentSection(), std::string("08/20旅行"));
    QCOMPARE(shown_.views->imageList().view()->SelectedRows(), QVector<int>{0});

    // The album search lists its hits in the same window.
    dialog->close();
    QTimer answer;
    connect(&answer, &QTimer::timeout, [] {
      if (auto* ask = qobject_cast<SearchDialog*>(QApplication::activeModalWidget())) {
        ask->findChild<QComboBox*>()->setEditText(QStringLiteral("A.JPG"));
        for (QCheckBox* box : ask->findChildren<QCheckBox*>()) {
          if (box->text() == QStringLiteral("ファイル名")) box->setChecked(true);
        }
        ask->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
      }
    });
    answer.start(10);
    QVERIFY(commands->SearchAlbum());
    dialog = commands->window();
    QCOMPARE(dialog->rows().size(), size_t{2});
    QVERIFY(dialog->label().text().startsWith(QStringLiteral("'A.JPG' の検索で 2個、見つかりました。")));
  }

  void aYearsFilesTakeTheirPagesDates() {
    auto* commands = shown_.window->findChild<AlbumListCommands*>();
    commands->ShowAlbum();
    TToolSelectDlg* dialog = commands->window();
    dialog->list().setCurrentItem(dialog->list().topLevelItem(0));  // 2013
    lumidex::testing::YesToQuestions answer;
    dialog->SetFileDatesOfSelected();
    QCOMPARE(answer.lastQuestion, QStringLiteral("2013年に登録しているファイルの更新日に登録日を設定します。よろしいですか？"));
    struct stat info {};
    QCOMPARE(::stat(shown_.album->second.c_str(), &info), 0);
    std::tm local{};
    localtime_r(&info.st_mtime, &local);
    QCOMPARE(local.tm_year + 1900, 2013);
    QCOMPARE(local.tm_mon + 1, 8);
  }

  void deletingTheShownYearEmptiesItsPagesInTheWindow() {
    auto* commands = shown_.window->findChild<AlbumListCommands*>();
    commands->ShowAlbum();
    TToolSelectDlg* dialog = commands->window();
    dialog->list().setCurrentItem(dialog->list().topLevelItem(1));  // 2014, the shown year
    lumidex::testing::YesToQuestions answer;
    dialog->DeleteSelected();
    QCOMPARE(answer.lastQuestion, QStringLiteral("2014年のアルバムを削除します。よろしいですか？"));
    QCOMPARE(dialog->rows().size(), size_t{1});
    QCOMPARE(dialog->rows().front().year, std::string("2013"));
    QVERIFY(!shown_.album->store->yearDocument().HasSection("08/20"));
    // The page stays in the index for 2013, and the list of 2014 is empty.
    QVERIFY(shown_.album->store->pageIndex().HasKey("DATA", "08/20"));
    QCOMPARE(shown_.views->imageList().list().size(), 0);
  }

  void theIconViewShowsPicturesOfTheRowsInSight() {
    shown_.window->settings().gLevel = 1;
    auto* commands = shown_.window->findChild<AlbumListCommands*>();
    commands->ShowAlbum();
    TToolSelectDlg* dialog = commands->window();
    auto* iconView = dialog->findChild<QAbstractButton*>(QStringLiteral("IconViewSpBtn"));
    QVERIFY(iconView != nullptr && !iconView->isVisible());
    dialog->list().setCurrentItem(dialog->list().topLevelItem(1));
    dialog->ShowFiles(FileListKind::kImages);
    QVERIFY(iconView->isVisible());
    iconView->click();
    QTreeWidgetItem* first = dialog->list().topLevelItem(0);
    QTRY_VERIFY(!first->icon(0).isNull());
    // The picture of the file itself, not a type icon: its colours.
    const QImage picture = first->icon(0).pixmap(32, 32).toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    // The 64 x 48 test picture is fitted and centred: no rows above it, and
    // its middle keeps the gradient's colour (green x * 4, blue y * 5).
    QCOMPARE(picture.pixelColor(16, 0).alpha(), 0);
    const QColor middle = picture.pixelColor(16, 16);
    QVERIFY2(std::abs(middle.green() - 128) < 24 && std::abs(middle.blue() - 120) < 24,
             qPrintable(middle.name()));
  }

  void thePagePropertiesShowItsUseInOtherYears() {
    auto* commands = shown_.window->findChild<AlbumListCommands*>();
    QStringList rows;
    QString caption;
    QTimer look;
    connect(&look, &QTimer::timeout, [&] {
      if (auto* shown = qobject_cast<TToolSelectDlg*>(QApplication::activeModalWidget())) {
        caption = shown->windowTitle();
        for (const auto& row : shown->rows()) rows << QString::fromStdString(row.text);
        shown->reject();
      }
    });
    look.start(10);
    commands->ShowPageUse("2014/08/20");
    QCOMPARE(caption, QStringLiteral("2014年以外でのページの使用確認"));
    QCOMPARE(rows, QStringList({"2013年 （1枚）"}));
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(AlbumListTest)
#include "album_list_test.moc"
