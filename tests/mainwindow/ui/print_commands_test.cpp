#include <QAction>
#include <QtTest>
#include <filesystem>

#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/print_commands.h"
#include "mainwindow/ui/window_test_album.h"

namespace lumidex {
namespace {

class PrintCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    album_ = std::make_unique<testing::WindowTestAlbum>();
    views_ = testing::ShowWindowOver(*album_, window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    commands_ = window_->findChild<PrintCommands*>();
    QVERIFY(commands_ != nullptr);
  }
  void cleanup() { window_.reset(); }

  void theItemShowsWhileAPageIsOpenAndPrintsItsSelectedPictures() {
    QVERIFY(!window_->printAction()->isVisible());
    views_->imageList().OpenRow(0);
    QVERIFY(album_->store->PageOpen());
    QTRY_VERIFY(window_->printAction()->isVisible());
    QCOMPARE(window_->printAction()->statusTip(), QStringLiteral("選択した画像を印刷する"));
    views_->imageList().view()->selectAll();
    // The sub-album's line is no picture; the files come in list order.
    QVERIFY(commands_->SelectedPictures() == (std::vector<std::string>{album_->first, album_->second}));
    std::filesystem::remove(album_->second);
    QVERIFY(commands_->SelectedPictures() == std::vector<std::string>{album_->first});
  }

 private:
  std::unique_ptr<testing::WindowTestAlbum> album_;
  std::unique_ptr<TForm1> window_;
  AlbumViews* views_ = nullptr;
  PrintCommands* commands_ = nullptr;
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::PrintCommandsTest)
#include "print_commands_test.moc"
