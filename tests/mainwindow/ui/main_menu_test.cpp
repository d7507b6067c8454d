#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include "foundation/text_codec.h"
#include "freelayout/layout_operations.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "imagelist/ui/detail_list_panel.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "images/ui/actual_size_widget.h"
#include "mainwindow/ui/album_list_commands.h"
#include "mainwindow/ui/main_menu_bar.h"
#include "mainwindow/ui/main_menu_commands.h"
#include "mainwindow/ui/page_lock_commands.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/picture_view_panel.h"
#include "mainwindow/ui/picture_views.h"
#include "mainwindow/ui/tool_select_dlg.h"
#include "mainwindow/ui/window_test_album.h"
#include "platform/ui/qt_bridge.h"

using namespace lumidex;

namespace {

// Closes every modal window that comes up while it lives, answering "いいえ"
// where a question offers it, and keeps the class and title of each.
class ModalCloser {
 public:
  ModalCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      seen << QString::fromLatin1(modal->metaObject()->className()) + QLatin1Char(':') +
                  modal->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(modal); box && box->button(QMessageBox::No)) {
        box->button(QMessageBox::No)->click();
      } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
      } else {
        modal->close();
      }
    });
    timer_.start(20);
  }
  // What came up since the last call.
  QStringList Take() { return std::exchange(seen, {}); }

  QStringList seen;

 private:
  QTimer timer_;
};

}  // namespace

class MainMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // The free layout page of 08/20 holds one picture.
    shown_.album = std::make_unique<lumidex::testing::WindowTestAlbum>();
    std::string page = "[08/20]\r\n00=旅行\r\n000020002003000220010000000=";
    page.append(shown_.album->first).append("\r\n");
    lumidex::testing::WriteFile(shown_.album->env->folders.albumDir + "2014.ini",
                                EncodeAlbumFile(page));
    shown_.views = lumidex::testing::ShowWindowOver(*shown_.album, shown_.window);
    QVERIFY(QTest::qWaitForWindowExposed(shown_.window.get()));
    commands_ = shown_.window->findChild<MainMenuCommands*>();
    QVERIFY(commands_ != nullptr);
    commands_->SetFolderChooser([this](QWidget*, const QString& caption, const QString&) {
      chooserCaption_ = caption;
      return ToQString(shown_.album->home.Join("pics"));
    });
    commands_->SetTextOpener([this](const QString& path) { openedText_ = path; });
    lock_ = new PageLockCommands(*shown_.window, *shown_.album->store, List());
    lock_->SetAsker([this](PasswordQuestion, QWidget*) {
      ++passwordAsked_;
      return std::optional<std::string>();
    });
  }
  void cleanup() { shown_.Close(); }

  // The page list: the menus' captions, the items its rules withhold, and
  // every item that acts there.
  void everyItemOfThePageListActsOrIsWithheld() {
    const MainMenuItems& menu = Menu();
    QStringList captions;
    for (QAction* top : shown_.window->menuBar()->actions()) captions << top->text();
    QCOMPARE(captions, (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "検索(&F)",
                                    "ツール(&T)", "ヘルプ(&H)"}));

    Open(menu.file);
    Open(menu.edit);
    QVERIFY(!menu.print->isVisible());
    QVERIFY(!menu.enlargedSave->isVisible());
    QVERIFY(!menu.undo->isEnabled());
    QVERIFY(!menu.copy->isVisible());
    QVERIFY(!menu.paste->isVisible());
    Open(menu.view);
    QVERIFY(!menu.refresh->isVisible());
    Open(menu.tools);
    QVERIFY(!menu.passwordChange->isVisible());

    // Select all and invert serve the image list.
    const int rows = List().list().size();
    QVERIFY(rows > 0);
    QVERIFY(menu.selectAll->isEnabled());
    menu.selectAll->trigger();
    QCOMPARE(List().selectedCount(), rows);
    List().view()->SelectRows({0});
    menu.invert->trigger();
    QCOMPARE(List().selectedCount(), rows - 1);

    // The items whose operation asks first: each brings up its window.
    ModalCloser closer;
    const auto asks = [&closer](QAction* item, const char* window) {
      item->trigger();
      const QStringList seen = closer.Take();
      QVERIFY2(seen.join(' ').contains(QString::fromUtf8(window)),
               qPrintable(item->objectName() + QStringLiteral(": ") + seen.join(' ')));
    };
    asks(menu.importAlbum, "インポート");
    asks(menu.exportAlbum, "エクスポート");
    asks(menu.find, "SearchDialog");
    asks(menu.autoRegistration, "TAutoGrpDlg");
    asks(menu.organise, "TOrganiseDlg");
    asks(menu.repairMissing, ":");

    menu.holidayFile->trigger();
    QVERIFY(openedText_.endsWith(QStringLiteral("/NationalHoliday.txt")));
    QVERIFY(QFileInfo(openedText_).isFile());

    shown_.window->settings().listlck = std::string(3, 'x');  // a stored password
    Open(menu.tools);
    QVERIFY(menu.passwordChange->isVisible());
    menu.passwordChange->trigger();
    QCOMPARE(passwordAsked_, 1);

    // "全てのアルバム" opens the album list window, which withholds itself
    // and the search; its list takes select all when it has the focus.
    menu.allAlbums->trigger();
    TToolSelectDlg* albums = shown_.views->findChild<TToolSelectDlg*>();
    if (albums == nullptr) albums = shown_.window->findChild<TToolSelectDlg*>();
    QVERIFY(albums != nullptr && albums->isVisible());
    Open(menu.view);
    Open(menu.search);
    QVERIFY(!menu.allAlbums->isVisible());
    QVERIFY(!menu.find->isVisible());
    albums->activateWindow();
    albums->list().setFocus();
    QTRY_VERIFY(albums->list().hasFocus());
    commands_->SelectItems(false);
    QCOMPARE(albums->list().selectedItems().size(), albums->list().topLevelItemCount());
    QCOMPARE(List().selectedCount(), rows - 1);  // the image list kept its selection
    albums->close();
    Open(menu.view);
    QVERIFY(menu.allAlbums->isVisible());

    // "指定フォルダを開く" lists the pictures of the chosen folder.
    menu.openFolder->trigger();
    QVERIFY(
        chooserCaption_.startsWith(QStringLiteral("指定フォルダの画像ファイルを全て表示します。")));
    QCOMPARE(List().list().mode(), ListMode::kFolder);
    QCOMPARE(List().list().size(), 2);
    Open(menu.file);
    QVERIFY(!menu.print->isVisible());
    QVERIFY(!menu.undo->isEnabled());

    menu.exit->trigger();
    QVERIFY(shown_.window->exitRan());
  }

  // An open page: revert, print, the actual-size save, the detail list's
  // selection, and the free layout's own items.
  void anOpenPageAndTheFreeLayoutOfferTheirOwnItems() {
    const MainMenuItems& menu = Menu();
    List().view()->SelectAndShow(0);
    List().OpenRow(0);
    QVERIFY(shown_.album->store->PageOpen());
    const std::vector<std::string> lines = shown_.album->store->Lines();
    Open(menu.edit);
    QVERIFY(!menu.undo->isEnabled());
    List().view()->SelectRows({0});
    List().MoveSelectedDown();
    QVERIFY(shown_.album->store->modified());
    // The key finds the item offered without the menu opening first.
    QTest::keyClick(List().view(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!shown_.album->store->modified());
    QVERIFY(shown_.album->store->Lines() == lines);
    Open(menu.edit);
    QVERIFY(!menu.undo->isEnabled());
    Open(menu.file);
    QVERIFY(menu.print->isVisible());
    QCOMPARE(menu.print->statusTip(), QStringLiteral("選択した画像を印刷する"));

    // The actual-size view offers the enlarged picture's save.
    ListView2* view = List().view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 0)).center());
    shown_.window->pictureView()->bar().actualSize->click();
    QTRY_VERIFY(shown_.views->pictureViews().actualView().hasCopy());
    Open(menu.file);
    QVERIFY(menu.enlargedSave->isVisible());
    {
      ModalCloser closer;
      menu.enlargedFull->trigger();
      menu.enlargedView->trigger();
      QCOMPARE(closer.Take().size(), 2);
    }
    shown_.window->pictureView()->bar().actualSize->click();
    Open(menu.file);
    QVERIFY(!menu.enlargedSave->isVisible());

    // The shown detail list with the focus takes select all and invert.
    const PageSidePanel::Toolbar& toolbar = shown_.window->pageSide()->toolbar();
    toolbar.fileDetail->click();
    auto* detail = shown_.window->findChild<DetailListPanel*>();
    QVERIFY(detail != nullptr);
    QTRY_VERIFY(detail->isVisible());
    detail->window()->activateWindow();
    detail->view().setFocus();
    QTRY_VERIFY(detail->view().hasFocus());
    const size_t detailRows = detail->view().model()->rowCount();
    QVERIFY(detailRows > 0);
    List().view()->SelectRows({0});
    commands_->SelectItems(false);
    QCOMPARE(detail->SelectedRows().size(), detailRows);
    commands_->SelectItems(true);
    QVERIFY(detail->SelectedRows().empty());
    QCOMPARE(List().selectedCount(), 1);
    toolbar.fileDetail->click();

    // The free layout: paste, copy of a selection, select all, invert and
    // the redraw, also from the tool panel of "他のボタン".
    toolbar.freeLayout->click();
    FreeLayoutCanvas& canvas = *shown_.window->pageSide()->freeLayout().canvas;
    QTRY_VERIFY(canvas.isVisible());
    const size_t before = canvas.items().size();
    QApplication::clipboard()->setText(QStringLiteral("メモ"));
    Open(menu.edit);
    Open(menu.view);
    QVERIFY(menu.paste->isVisible());
    QVERIFY(!menu.copy->isVisible());
    QVERIFY(menu.refresh->isVisible());
    menu.paste->trigger();
    QCOMPARE(canvas.items().size(), before + 1);
    menu.selectAll->trigger();
    QCOMPARE(SelectedCount(canvas.items()), static_cast<int>(canvas.items().size()));
    Open(menu.edit);
    QVERIFY(menu.copy->isVisible());
    QApplication::clipboard()->clear();
    menu.copy->trigger();
    // The selection holds the page's picture: the clipboard holds its file.
    const QList<QUrl> copied = QApplication::clipboard()->mimeData()->urls();
    QCOMPARE(copied.size(), 1);
    QCOMPARE(copied.front().toLocalFile(), ToQString(shown_.album->first));
    toolbar.moreTools->click();
    QAction* invertTool = toolbar.toolBar1->findChild<QAction*>(QStringLiteral("N45Tool"));
    QVERIFY(invertTool != nullptr && toolbar.toolBar1->isVisible());
    invertTool->trigger();
    QCOMPARE(SelectedCount(canvas.items()), 0);
    menu.refresh->trigger();
    QCOMPARE(canvas.items().size(), before + 1);
    Open(menu.edit);
    QVERIFY(!menu.copy->isVisible());
    QVERIFY(!toolbar.toolBar1->findChild<QAction*>(QStringLiteral("Copy5Tool"))->isVisible());
    Open(menu.file);
    QVERIFY(menu.print->isVisible());
    QCOMPARE(menu.print->statusTip(), QString());
    {
      ModalCloser closer;  // drops the pasted text at the save question
      toolbar.freeLayout->click();
    }
    Open(menu.view);
    QVERIFY(!menu.refresh->isVisible());
  }

 private:
  const MainMenuItems& Menu() const { return shown_.window->mainMenu(); }
  ImageListPanel& List() const { return shown_.views->imageList(); }
  // Opens `menu` as far as its items are prepared.
  static void Open(QMenu* menu) { emit menu->aboutToShow(); }

  lumidex::testing::ShownWindow shown_;
  MainMenuCommands* commands_ = nullptr;
  PageLockCommands* lock_ = nullptr;
  QString chooserCaption_;
  QString openedText_;
  int passwordAsked_ = 0;
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
