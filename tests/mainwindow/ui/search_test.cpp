// The list search in the real window: "検索(&F)" asks with the search
// dialog (OK only with a target and a text) and selects the first entry
// whose line holds the text; "次を検索(&S)" goes on and, past the last hit,
// says "'text' は見つかりません！" and leaves the selection.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/search_commands.h"
#include "mainwindow/ui/search_dialog.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class SearchTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }


  void findsTheNextEntryAndSaysWhenThereIsNoMore() {
    auto* search = shown_.window->findChild<SearchCommands*>();
    QVERIFY(search != nullptr);
    ImageListPanel& list = shown_.views->imageList();
    QVERIFY(shown_.album->store->OpenPage("08/20").ok());
    list.SyncWithStore();

    bool okWithoutTarget = true;
    QString message;
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* dialog = qobject_cast<SearchDialog*>(modal)) {
        dialog->findChild<QComboBox*>()->setEditText(QStringLiteral("JPG"));
        QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        okWithoutTarget = ok->isEnabled();
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
          if (box->text() == QStringLiteral("ファイル名")) box->setChecked(true);
        }
        ok->click();
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        message = box->text();
        box->accept();
      }
    });
    answer.start(10);
    QVERIFY(search->Find());
    QVERIFY(!okWithoutTarget);
    QCOMPARE(list.view()->SelectedRows(), QVector<int>{0});
    search->FindNext();
    QCOMPARE(list.view()->SelectedRows(), QVector<int>{1});
    search->FindNext();  // the sub-album line holds no "jpg"
    QCOMPARE(message, QStringLiteral("'JPG' は見つかりません！"));
    QCOMPARE(list.view()->SelectedRows(), QVector<int>{1});
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(SearchTest)
#include "search_test.moc"
