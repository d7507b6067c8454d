// "プロパティ" of the list's menu over several pages of the page list: the
// first selected page decides between its use in other years (automatic
// cover) and the properties of the selected pages' files (fixed cover).
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

#include "album/album_store.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/album_views.h"
#include "mainwindow/ui/file_set_properties_dlg.h"
#include "mainwindow/ui/list_menu_commands.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/tool_select_dlg.h"
#include "mainwindow/ui/window_test_album.h"

using namespace lumidex;

class PagePropertiesTest : public QObject {
  Q_OBJECT

 private:
  // Opens "プロパティ" with the page list's rows 0 and 1 selected; the class
  // name of the dialog that came up, with the text of its count label.
  QString PropertiesOfBothPages(QString* count) {
    QString shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (dialog == nullptr) return;
      shown = QString::fromLatin1(dialog->metaObject()->className());
      if (auto* label = dialog->findChild<QLabel*>(QStringLiteral("CountLabel")))
        *count = label->text();
      dialog->close();
    });
    closer.start(10);
    views_->imageList().view()->SelectRows({0, 1});
    window_->findChild<ListMenuCommands*>()->propertiesAction()->trigger();
    return shown;
  }

 private slots:
  void init() {
    album_ = std::make_unique<lumidex::testing::WindowTestAlbum>();
    // A second page of 2014, with a picture of its own.
    AlbumStore& store = *album_->store;
    QVERIFY(store.SwitchYear("2014").ok());
    QVERIFY(store.SaveSection("08/21", {album_->Picture("c.jpg", 180) + "="}, false).ok());
    QVERIFY(store.Close().ok());
  }
  void cleanup() {
    window_.reset();
    album_.reset();
  }

  void aFixedCoverFirstShowsTheFilesOfTheSelectedPages() {
    // 08/20 holds two pictures (its sub-album repeats one), 08/21 a third.
    album_->env->pageIndex->SetValue("DATA", "08/20", album_->first);
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QString count;
    QCOMPARE(PropertiesOfBothPages(&count), QStringLiteral("lumidex::FileSetPropertiesDlg"));
    QCOMPARE(count, QStringLiteral("3 個のファイル"));
  }

  void anAutomaticCoverFirstShowsThatPagesUse() {
    views_ = lumidex::testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QString count;
    QCOMPARE(PropertiesOfBothPages(&count), QStringLiteral("lumidex::TToolSelectDlg"));
  }

 private:
  std::unique_ptr<lumidex::testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
};

QTEST_MAIN(PagePropertiesTest)
#include "page_properties_test.moc"
