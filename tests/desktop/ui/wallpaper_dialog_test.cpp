#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "desktop/desktop_fixture.h"
#include "desktop/desktop_wallpaper.h"
#include "desktop/ui/wallpaper_dialog.h"
#include "desktop/wallpaper_folder.h"
#include "images/shell_images.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

// Closes every message box that comes up while it lives, keeping its text.
class MessageCloser {
 public:
  MessageCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages << box->text();
        box->accept();
      }
    });
    timer_.start(10);
  }
  QStringList messages;

 private:
  QTimer timer_;
};

class WallpaperDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    folder_ = home_->Join("SCR/");
    picture_ = home_->Join("pics/sea view.jpg");
    testing::WriteFile(picture_, testing::JpegBytes(120, 90));
    testing::WriteFile(folder_ + "old one.jpg", testing::JpegBytes(40, 30));
    testing::WriteFile(folder_ + "older.jpg", testing::JpegBytes(40, 30));
    runner_.ran.clear();
    // The desktop places its picture scaled to cover the screen now.
    runner_.reply = [](const std::vector<std::string>& argv) -> Result<std::string> {
      return std::string(argv[1] == "get" ? "'zoom'\n" : "");
    };
    wallpaper_ = std::make_unique<DesktopWallpaper>("GNOME", folder_, runner_, NoShellImages());
  }
  void cleanup() {
    wallpaper_.reset();
    home_.reset();
  }

  void opensOnThePictureWithTheEarlierWallpapersAndTheDesktopsStyle() {
    WallpaperDialog dialog(*wallpaper_, ToQString(picture_));
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("デスクトップの背景変更"));
    QCOMPARE(dialog.edit()->text(), ToQString(picture_));
    QVERIFY(!dialog.preview()->pixmap().isNull());
    QCOMPARE(dialog.styleBox()->currentIndex(), 4);
    QCOMPARE(dialog.list()->count(), 3);
    QCOMPARE(dialog.list()->item(0)->text(), QStringLiteral("[ 設定解除 ]"));
    QCOMPARE(dialog.list()->item(1)->text(), QStringLiteral("old one.jpg"));

    // An earlier wallpaper is taken by double-click; the first item brings
    // the selected picture back.
    emit dialog.list()->itemDoubleClicked(dialog.list()->item(2));
    QCOMPARE(dialog.edit()->text(), ToQString(folder_ + "older.jpg"));
    emit dialog.list()->itemDoubleClicked(dialog.list()->item(0));
    QCOMPARE(dialog.edit()->text(), ToQString(picture_));

    dialog.styleBox()->setCurrentIndex(2);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(runner_.Ran(
        {"gsettings", "set", "org.gnome.desktop.background", "picture-options", "stretched"}));
    QVERIFY(testing::FileExists(folder_ + "sea view.jpg"));
  }

  void nothingSelectedOpensEmptyAndAMissingFileChangesNothing() {
    WallpaperDialog dialog(*wallpaper_, QString());
    dialog.setModal(true);
    dialog.show();
    QVERIFY(dialog.edit()->text().isEmpty());
    QVERIFY(dialog.isVisible());
    const size_t asked = runner_.ran.size();  // the style read back

    dialog.edit()->setText(ToQString(home_->Join("pics/gone.jpg")));
    MessageCloser closer;
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(closer.messages.size(), 1);
    QVERIFY(closer.messages.front().contains(QStringLiteral("ファイルがありません")));
    QCOMPARE(runner_.ran.size(), asked);

    // Cleared, OK removes the wallpaper.
    dialog.edit()->clear();
    dialog.accept();
    QVERIFY(!dialog.isVisible());
    QVERIFY(runner_.Ran({"gsettings", "set", "org.gnome.desktop.background", "picture-uri", ""}));
  }

  void deleteRemovesTheSelectedFilesButNeverTheFirstItem() {
    WallpaperDialog dialog(*wallpaper_, ToQString(picture_));
    dialog.show();
    for (int row = 0; row < 3; ++row) dialog.list()->item(row)->setSelected(true);
    dialog.DeleteSelected();
    QCOMPARE(dialog.list()->count(), 1);
    QCOMPARE(dialog.list()->item(0)->text(), QStringLiteral("[ 設定解除 ]"));
    QVERIFY(ListWallpaperFiles(folder_).empty());
    QVERIFY(testing::FileExists(picture_));
  }

 private:
  std::unique_ptr<testing::TempHome> home_;
  testing::RecordingRunner runner_;
  std::unique_ptr<DesktopWallpaper> wallpaper_;
  std::string folder_;
  std::string picture_;
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::WallpaperDialogTest)
#include "wallpaper_dialog_test.moc"
