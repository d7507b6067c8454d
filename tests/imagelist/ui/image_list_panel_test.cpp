#include "imagelist/ui/image_list_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>

#include "album/album_text.h"
#include "imagelist/thumbnail_scheduler.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "imagelist/ui/memo_panel.h"
#include "list_test_album.h"

using lumidex::testing::ListTestAlbum;

namespace lumidex {

class ImageListPanelTest : public QObject {
  Q_OBJECT

 private:
  // 2014 with the page 03/15 holding three pictures and the sub-album 旅行
  // of one picture; the panel shows the page list.
  struct Scene {
    ListTestAlbum album;
    std::unique_ptr<ImageListPanel> panel;
    std::string a, b, c, d;
  };
  std::unique_ptr<Scene> MakeScene() {
    auto scene = std::make_unique<Scene>();
    ListTestAlbum& album = scene->album;
    scene->a = album.Picture("a.jpg", 640, 480, 0);
    scene->b = album.Picture("b.jpg", 480, 640, 80);
    scene->c = album.Picture("c.jpg", 800, 600, 160);
    scene->d = album.Picture("trip/d.jpg", 300, 200, 40);
    if (!album.store->SwitchYear("2014/03/15").ok()) qFatal("year");
    return scene;
  }
  void FillPage(Scene& scene) {
    AlbumStore& store = *scene.album.store;
    QVERIFY(scene.album.operations->CreatePage("03/15").ok());
    QVERIFY(store.SaveSection("03/15", {scene.a + "=", scene.b + "=", scene.c + "=", "@03/15旅行="},
                              false).ok());
    store.ChangeSubAlbumDocument([&](TMemIniFile& doc) { doc.SetValue("03/15旅行", scene.d, ""); });
    QVERIFY(store.SaveCurrent(false).ok());
    store.RebuildSummaries();
  }
  int RowOf(ImageListPanel& panel, std::string_view name) {
    for (int row = 0; row < panel.list().size(); ++row) {
      if (panel.list().entries().NameAt(row) == name) return row;
    }
    return -1;
  }

 private slots:
  void PageListShowsThePagesOfTheShownYear() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    scene->panel->ShowCurrent();
    QCOMPARE(scene->panel->list().mode(), ListMode::kPageList);
    QCOMPARE(scene->panel->view()->model()->rowCount(), 1);
    QCOMPARE(scene->panel->headingText(), QStringLiteral("2014年の使用ページ"));
  }

  void AnOpenPagesItemsStandInTheMiddleOfTheirCellsAndAnswerHitTestsThere() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.resize(600, 400);
    panel.show();
    panel.ShowCurrent();
    panel.OpenRow(0);
    ListView2& view = *panel.view();
    const QSize cell = view.gridSize();
    QVERIFY(cell.isValid());
    for (int row = 0; row < 2; ++row) {
      const QModelIndex index = view.model()->index(row, 0);
      const QRect rect = view.visualRect(index);
      QVERIFY(rect.width() < cell.width());
      QCOMPARE(rect.left(), row * cell.width() + (cell.width() - rect.width()) / 2);
      const int y = rect.center().y();
      QCOMPARE(view.indexAt(QPoint(rect.left(), y)), index);
      QCOMPARE(view.indexAt(QPoint(rect.right(), y)), index);
      QVERIFY(!view.indexAt(QPoint(rect.left() - 1, y)).isValid());
      QVERIFY(!view.indexAt(QPoint(rect.right() + 1, y)).isValid());
    }
  }

  void OpeningAPageShowsItsEntriesAndTheWorkerDrawsThumbnails() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.show();
    panel.StartWorker();
    panel.ShowCurrent();
    panel.OpenRow(0);
    QCOMPARE(panel.list().mode(), ListMode::kContainer);
    QCOMPARE(panel.list().size(), 4);
    QCOMPARE(panel.headingText(), QStringLiteral("3月15日のページ"));
    QCOMPARE(scene->album.prompts.startSounds, 1);
    QTRY_VERIFY_WITH_TIMEOUT(panel.list().entries().record(0) != nullptr &&
                                 panel.list().entries().record(0)->data.has_value() &&
                                 panel.list().entries().record(2) != nullptr &&
                                 panel.list().entries().record(2)->data.has_value(),
                             10000);
    QTRY_VERIFY_WITH_TIMEOUT(panel.list().entries().record(3) != nullptr, 5000);
    QCOMPARE(panel.list().entries().record(3)->fileCount, 1);
  }

  void WholeScenarioCommentRenameDeleteAndGoBackReachTheAlbumFiles() {
    auto scene = MakeScene();
    ListTestAlbum& album = scene->album;
    scene->panel = album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.show();
    panel.StartWorker();
    panel.ShowCurrent();

    // A page on a day, pictures added through the store.
    panel.CreatePage("03/15");
    QVERIFY(album.store->pageIndex().HasKey("DATA", "03/15"));
    FillPage(*scene);
    panel.ShowCurrent();
    panel.OpenRow(0);
    QCOMPARE(panel.list().size(), 4);

    // Comment on the first picture through the comment editor.
    panel.view()->SelectAndShow(0);
    panel.memo()->SetText(QStringLiteral("海\n空"));
    QVERIFY(panel.memo()->applyEnabled());
    panel.memo()->applyButton()->click();
    QVERIFY(!panel.memo()->applyEnabled());
    const std::string comment = "海" + std::string(kStoredLineBreak) + "空";
    QCOMPARE(panel.list().entries().line(0), scene->a + "=" + comment);
    QVERIFY(album.store->modified());

    // Rename the second picture.
    album.prompts.nameAnswer = "renamed";
    panel.view()->SelectAndShow(1);
    panel.RenameSelected();
    const std::string renamed = album.home.Join("pics/renamed.jpg");
    QVERIFY(testing::FileExists(renamed));
    QVERIFY(!testing::FileExists(scene->b));
    QCOMPARE(std::string(panel.list().entries().NameAt(1)), renamed);

    // Delete the third after the question.
    album.prompts.answerYes = true;
    panel.view()->SelectAndShow(2);
    panel.DeleteSelected();
    QCOMPARE(album.prompts.questions.back().first,
             std::string("アルバムから画像を削除してもよろしいですか？"));
    QCOMPARE(album.prompts.questions.back().second, std::string("画像の削除確認"));
    QCOMPARE(panel.list().size(), 3);

    // Go back: everything is saved to the year document.
    panel.GoBack();
    QCOMPARE(panel.list().mode(), ListMode::kPageList);
    const std::string year = album.YearText("2014");
    QVERIFY(year.find(scene->a + "=" + comment) != std::string::npos);
    QVERIFY(year.find(renamed + "=") != std::string::npos);
    QVERIFY(year.find(scene->c) == std::string::npos);
  }

  void DeleteAndCommentAddressTheSelectedLineNotItsFirstTwin() {
    auto scene = MakeScene();
    AlbumStore& store = *scene->album.store;
    QVERIFY(scene->album.operations->CreatePage("06/01").ok());
    QVERIFY(store.SaveSection("06/01", {scene->a + "=one", scene->a + "=two", scene->b + "="}, false)
                .ok());
    store.RebuildSummaries();
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.ShowCurrent();
    panel.OpenRow(0);
    panel.view()->SelectAndShow(1);
    panel.SetCommentOfSelection(QStringLiteral("二"));
    QCOMPARE(panel.list().entries().line(0), scene->a + "=one");
    QCOMPARE(panel.list().entries().line(1), scene->a + "=二");
    scene->album.prompts.answerYes = true;
    panel.DeleteSelected();
    QCOMPARE(panel.list().size(), 2);
    QCOMPARE(panel.list().entries().line(0), scene->a + "=one");
    QCOMPARE(store.Lines(), panel.list().entries().lines());
  }

  void DeclinedDeleteChangesNothing() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.ShowCurrent();
    panel.OpenRow(0);
    scene->album.prompts.answerYes = false;
    panel.view()->SelectRows({0, 1});
    panel.DeleteSelected();
    QCOMPARE(scene->album.prompts.questions.back().first,
             std::string("アルバムから2 個の画像を削除してもよろしいですか？"));
    QCOMPARE(panel.list().size(), 4);
  }

  void SubAlbumOpensAndGoingBackRestoresTheSelection() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.show();
    panel.ShowCurrent();
    panel.OpenRow(0);
    const int subAlbum = RowOf(panel, "@03/15旅行");
    QVERIFY(subAlbum >= 0);
    panel.view()->SelectAndShow(subAlbum);
    panel.OpenRow(subAlbum);
    QCOMPARE(panel.headingText(), QStringLiteral("3月15日の旅行"));
    QCOMPARE(panel.list().size(), 1);
    panel.GoBack();
    QCOMPARE(panel.headingText(), QStringLiteral("3月15日のページ"));
    QCOMPARE(panel.view()->SelectedRows(), QVector<int>{subAlbum});
  }

  void CreatingASubAlbumOnTheOpenPageSelectsTheNewEntry() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.ShowCurrent();
    panel.OpenRow(0);
    scene->album.prompts.nameAnswer = "山";
    panel.CreateSubAlbum("");
    const int row = RowOf(panel, "@03/15山");
    QCOMPARE(row, panel.list().size() - 1);
    QCOMPARE(panel.view()->SelectedRows(), QVector<int>{row});
  }

  void DraggedBlockMovesAsOneAndKeepsItsThumbnails() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.ShowCurrent();
    panel.OpenRow(0);
    QVERIFY(panel.list().EnsureItemData(0));
    const ALBDATA* first = panel.list().entries().record(0);
    panel.MoveSelection({0, 1}, 2);
    QCOMPARE(std::string(panel.list().entries().NameAt(0)), scene->c);
    QCOMPARE(std::string(panel.list().entries().NameAt(1)), scene->a);
    QCOMPARE(std::string(panel.list().entries().NameAt(2)), scene->b);
    QCOMPARE(panel.list().entries().record(1), first);
    QCOMPARE(panel.view()->SelectedRows(), (QVector<int>{1, 2}));
    QVERIFY(scene->album.store->modified());
    QCOMPARE(scene->album.store->Lines(), panel.list().entries().lines());
    // Revert brings the saved order back.
    panel.RevertChanges();
    QCOMPARE(std::string(panel.list().entries().NameAt(0)), scene->a);
  }

  void DoubleClickOnEmptySpaceSelectsTheSameKind() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.ShowCurrent();
    panel.OpenRow(0);
    emit panel.view()->itemClicked(0);
    panel.SelectGroupOf(false);
    QCOMPARE(panel.view()->SelectedRows(), (QVector<int>{0, 1, 2}));
    emit panel.view()->itemClicked(3);
    panel.SelectGroupOf(false);
    QCOMPARE(panel.view()->SelectedRows(), QVector<int>{3});
  }

  void DraggingTheScrollBarLeavesOutTheFramesOnlyWithSimplifiedScrolling() {
    auto scene = MakeScene();
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    for (const bool simplified : {false, true}) {
      Settings settings;
      settings.scrolframeoff = simplified;
      panel.ApplySettings(settings);
      emit panel.view()->verticalScrollBar()->sliderPressed();
      QCOMPARE(panel.delegate()->look().simplifiedScrolling, simplified);
      emit panel.view()->verticalScrollBar()->sliderReleased();
      QVERIFY(!panel.delegate()->look().simplifiedScrolling);
    }
  }

  void PopupMenuFollowsTheSelectionAndRunsTheOperations() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.ShowCurrent();
    panel.view()->SelectAndShow(0);
    ListPopupMenu& menu = *panel.popupMenu();
    menu.Prepare(panel.MenuFacts());
    QCOMPARE(menu.openAction()->text(), QStringLiteral("ページを開く"));
    QVERIFY(menu.openAction()->isEnabled());
    QVERIFY(!menu.renameAction()->isVisible());
    menu.openAction()->trigger();
    QCOMPARE(panel.list().mode(), ListMode::kContainer);
    panel.view()->SelectAndShow(RowOf(panel, "@03/15旅行"));
    menu.Prepare(panel.MenuFacts());
    QCOMPARE(menu.openAction()->text(), QStringLiteral("サブアルバムを開く"));
    QVERIFY(menu.renameAction()->isVisible());
    scene->album.prompts.answerYes = true;
    menu.deleteAction()->trigger();
    QCOMPARE(scene->album.prompts.questions.back().second, std::string("サブアルバムの削除確認"));
    QCOMPARE(RowOf(panel, "@03/15旅行"), -1);
    panel.SetSlideShowRunning(true);
    panel.view()->SelectAndShow(0);
    menu.Prepare(panel.MenuFacts());
    QVERIFY(!menu.deleteAction()->isEnabled());
  }

  void BackspaceGoesBackAndEnterOpens() {
    auto scene = MakeScene();
    FillPage(*scene);
    scene->panel = scene->album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.show();
    panel.ShowCurrent();
    panel.view()->SelectAndShow(0);
    panel.view()->setFocus();
    QTest::keyClick(panel.view(), Qt::Key_Return);
    QCOMPARE(panel.list().mode(), ListMode::kContainer);
    QTest::keyClick(panel.view(), Qt::Key_Backspace);
    QCOMPARE(panel.list().mode(), ListMode::kPageList);
  }

  void FolderModeListsPicturesAndWritesNoCacheFiles() {
    auto scene = MakeScene();
    ListTestAlbum& album = scene->album;
    // Big enough for the cache to apply were it not folder mode.
    album.Picture("folder/big.jpg", 1600, 1200, 10);
    testing::WriteFile(album.home.Join("pics/folder/notes.txt"), "x");
    scene->panel = album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.show();
    panel.StartWorker();
    panel.ShowCurrent();
    QVERIFY(panel.ShowFolder(album.home.Join("pics/folder"), {}));
    QCOMPARE(panel.list().mode(), ListMode::kFolder);
    QCOMPARE(panel.list().size(), 1);
    QCOMPARE(panel.headingText(), QString::fromStdString(album.home.Join("pics/folder")));
    QTRY_VERIFY_WITH_TIMEOUT(panel.list().entries().record(0) != nullptr &&
                                 panel.list().entries().record(0)->data.has_value(),
                             10000);
    QVERIFY(!testing::FileExists(album.cache->CacheFileName(album.home.Join("pics/folder/big.jpg"))));
    panel.GoBack();
    QCOMPARE(panel.list().mode(), ListMode::kPageList);
  }

  void ContainerPicturesAreStoredInTheDiskCache() {
    auto scene = MakeScene();
    ListTestAlbum& album = scene->album;
    const std::string big = album.Picture("big.jpg", 1600, 1200, 10);
    QVERIFY(album.operations->CreatePage("05/05").ok());
    QVERIFY(album.store->SaveSection("05/05", {big + "="}, false).ok());
    album.store->RebuildSummaries();
    scene->panel = album.MakePanel();
    ImageListPanel& panel = *scene->panel;
    panel.show();
    panel.StartWorker();
    panel.ShowCurrent();
    panel.OpenRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(testing::FileExists(album.cache->CacheFileName(big)), 10000);
  }
};

}  // namespace lumidex

QTEST_MAIN(lumidex::ImageListPanelTest)
#include "image_list_panel_test.moc"
