// The free layout catalogue in the real window: the page tree of both ways,
// opening its nodes, the page and tab commands with their questions and
// input dialogs, and the searches.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "foundation/text_codec.h"
#include "freelayout/ui/free_layout_canvas.h"
#include "freelayout/ui/free_layout_tab_strip.h"
#include "freelayout/ui/free_layout_tree.h"
#include "freelayout/ui/free_layout_view.h"
#include "freelayout/ui/tinput_dlg.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/page_side_panel.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

namespace {

QStringList ChildTexts(const QTreeWidgetItem* item) {
  QStringList texts;
  for (int i = 0; i < item->childCount(); ++i) texts << item->child(i)->text(0);
  return texts;
}

}  // namespace

class FreeLayoutCatalogueTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    dir_ = album_->env->folders.albumDir;
    lumidex::testing::WriteFile(dir_ + "2014.ini",
                                EncodeAlbumFile("[08/20]\r\n00=旅行\r\n"
                                                "000020002003000220010000000=" + album_->first + "\r\n"
                                                "01=家族\r\n"
                                                "010001000100030002000000000=" + album_->second + "\r\n"
                                                "[08/22]\r\n"
                                                "000020002003000220010000000=" + album_->second + "\r\n"));
    lumidex::testing::WriteFile(dir_ + "2014A.ini",
                                EncodeAlbumFile("[旅行]\r\n00=一日目\r\n"
                                                "000020002003000220010000000=" + album_->first + "\r\n"
                                                "[家族]\r\n"
                                                "000020002003000220010000000=" + album_->second + "\r\n"));
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    views_->imageList().view()->SelectAndShow(0);
    views_->imageList().OpenRow(0);  // 08/20
    window_->pageSide()->toolbar().freeLayout->click();
  }
  void cleanup() {
    answer_.stop();
    window_.reset();
    album_.reset();
  }

  // Deleting the shown album while it has unsaved edits removes it for good:
  // no save question writes the edits back under its name.
  void byAlbumTheTreeListsAlbumsAndADeletedEditedPageStaysDeleted() {
    const PageSidePanel::Toolbar& toolbar = window_->pageSide()->toolbar();
    const PageSidePanel::FreeLayout& parts = window_->pageSide()->freeLayout();
    QVERIFY(toolbar.byDate->isChecked());
    toolbar.byDate->click();  // up: by album name
    QVERIFY(window_->settings().freemode);
    QCOMPARE(window_->pageSide()->namePanel()->text(), QStringLiteral("アルバムで配置 > 家族"));
    toolbar.freeLayoutTree->click();
    QVERIFY(parts.tree->isVisible());
    const QTreeWidgetItem* root = parts.tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("2014年（アルバム）"));
    QCOMPARE(ChildTexts(root), QStringList({QStringLiteral("家族 （1/0/1）"), QStringLiteral("旅行 （1/1/1）")}));
    QCOMPARE(parts.tree->currentItem(), root->child(0));
    QTest::qWait(10);  // laid out, as before any click of the user

    // A click on the other album opens it.
    QTest::mouseClick(parts.tree->viewport(), Qt::LeftButton, {},
                      parts.tree->visualItemRect(root->child(1)).center());
    QCOMPARE(window_->pageSide()->namePanel()->text(), QStringLiteral("アルバムで配置 > 旅行"));
    QCOMPARE(parts.tabs->captions(), QStringList({QStringLiteral("一日目")}));

    window_->findChild<FreeLayoutView*>()->SetModified(true);
    QStringList questions;
    AnswerEveryBoxYes(questions);
    TriggerTreeMenuItem("Delete7");
    QCOMPARE(questions, QStringList({QStringLiteral("'旅行'を削除してよろしいですか？")}));
    const std::string saved = DecodeAlbumFile(lumidex::testing::ReadFile(dir_ + "2014A.ini"));
    QVERIFY(saved.find("[旅行]") == std::string::npos);
    QCOMPARE(window_->pageSide()->namePanel()->text(), QStringLiteral("アルバムで配置 > 家族"));
    QTest::qWait(10);  // the tree is rebuilt after the event
    QCOMPARE(ChildTexts(parts.tree->topLevelItem(0)), QStringList({QStringLiteral("家族 （1/0/1）")}));
  }

  // By date another page is shown through the calendar, whose day change
  // asks the save question: the deleted page's edits must not be saved
  // back into it.
  void byDateADeletedEditedPageStaysDeleted() {
    const PageSidePanel::FreeLayout& parts = window_->pageSide()->freeLayout();
    window_->pageSide()->toolbar().freeLayoutTree->click();
    QCOMPARE(parts.tree->SelectedNode()->page, std::string("08/20"));
    QCOMPARE(parts.tree->SelectedLevel(), 2);  // the title of the shown tab
    parts.tree->setCurrentItem(parts.tree->currentItem()->parent());

    window_->findChild<FreeLayoutView*>()->SetModified(true);
    QStringList questions;
    AnswerEveryBoxYes(questions);
    TriggerTreeMenuItem("Delete7");
    QCOMPARE(questions, QStringList({QStringLiteral("'08/20'を削除してよろしいですか？")}));
    QVERIFY(FileText().find("[08/20]") == std::string::npos);
    QCOMPARE(window_->pageSide()->namePanel()->text(), QStringLiteral("日付で配置 > 8月22日"));
    QCOMPARE(parts.counter->text(), QStringLiteral("1/1"));
  }

  // Renaming to a caption in use appends a number; moving a tab earlier
  // swaps it with the one before; a new tab is empty and not stored.
  void tabCommandsRenameMoveAndAddTabs() {
    const PageSidePanel::FreeLayout& parts = window_->pageSide()->freeLayout();
    emit parts.tabs->currentChanged(1);
    parts.tabs->SetCurrentIndex(1);
    EnterInDialog(QStringLiteral("旅行"));
    parts.tabs->renameAction()->trigger();
    QCOMPARE(parts.tabs->captions(), QStringList({QStringLiteral("旅行"), QStringLiteral("旅行1")}));
    QVERIFY(FileText().find("01=旅行1\r\n") != std::string::npos);

    parts.moveTab->click();
    QCOMPARE(parts.tabs->captions(), QStringList({QStringLiteral("旅行1"), QStringLiteral("旅行")}));
    QCOMPARE(parts.tabs->currentIndex(), 0);
    QCOMPARE(parts.canvas->items().front().value, album_->second);  // still the moved tab shown
    QVERIFY(FileText().find("00=旅行1\r\n0000010001000300020") != std::string::npos);

    const std::string before = FileText();
    parts.addTab->click();
    QCOMPARE(parts.tabs->captions().size(), 3);
    QCOMPARE(parts.tabs->captions().back(), QStringLiteral("3"));
    QCOMPARE(parts.tabs->currentIndex(), 2);
    QVERIFY(parts.canvas->items().empty());
    QCOMPARE(FileText(), before);
  }

  // The title search over all years lists the pages under their year, and
  // opening a page there shows the tab whose title matched.
  void theTitleSearchListsPagesByYearAndOpensTheMatchingTab() {
    const PageSidePanel::FreeLayout& parts = window_->pageSide()->freeLayout();
    window_->pageSide()->toolbar().freeLayoutTree->click();
    EnterInDialog(QStringLiteral("家"), true);
    TriggerTreeMenuItem("N79");
    const QTreeWidgetItem* root = parts.tree->topLevelItem(0);
    QCOMPARE(root->text(0), QStringLiteral("全ての年の家"));
    QCOMPARE(ChildTexts(root), QStringList({QStringLiteral("2014 （1）")}));
    QCOMPARE(ChildTexts(root->child(0)), QStringList({QStringLiteral("08/20")}));
    QVERIFY(root->isExpanded());

    parts.tree->expandAll();
    QTest::mouseClick(parts.tree->viewport(), Qt::LeftButton, {},
                      parts.tree->visualItemRect(root->child(0)->child(0)).center());
    QCOMPARE(parts.tabs->currentIndex(), 1);
    QCOMPARE(parts.canvas->items().front().value, album_->second);

    // Back on the standard tree, a tab chosen on the strip selects its title.
    window_->pageSide()->toolbar().freeLayoutTree->click();
    window_->pageSide()->toolbar().freeLayoutTree->click();
    QCOMPARE(parts.tree->topLevelItem(0)->text(0), QStringLiteral("2014年（日付）"));
    QCOMPARE(parts.tree->currentItem()->text(0), QStringLiteral("家族"));
    parts.tabs->SetCurrentIndex(0);
    emit parts.tabs->currentChanged(0);
    QTest::qWait(10);
    QCOMPARE(parts.tree->currentItem()->text(0), QStringLiteral("旅行"));
  }

 private:
  std::string FileText() const { return DecodeAlbumFile(lumidex::testing::ReadFile(dir_ + "2014.ini")); }

  void AnswerEveryBoxYes(QStringList& questions) {
    answer_.disconnect();
    connect(&answer_, &QTimer::timeout, this, [&questions] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        questions << box->text();
        box->button(QMessageBox::Yes)->click();
      }
    });
    answer_.start(10);
  }

  // The next input dialog gets `text` (and the check box ticked when
  // `allYears`) and "OK".
  void EnterInDialog(const QString& text, bool allYears = false) {
    QTimer::singleShot(20, this, [text, allYears] {
      auto* dialog = qobject_cast<TInputDlg*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      dialog->findChild<QComboBox*>(QStringLiteral("ComboBox1"))->setEditText(text);
      if (allYears) dialog->ShowCheckBox(true, true);
      dialog->accept();
    });
  }

  void TriggerTreeMenuItem(const char* name) {
    auto* menu = window_->findChild<QMenu*>(QStringLiteral("PopupMenu9"));
    QVERIFY(menu != nullptr);
    auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY(action != nullptr);
    action->trigger();
  }

  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
  std::string dir_;
  QTimer answer_;
};

QTEST_MAIN(FreeLayoutCatalogueTest)
#include "free_layout_catalogue_test.moc"
