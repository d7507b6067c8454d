// The image list's "デスクトップの背景として設定" in the real window: it
// opens the wallpaper dialog on the selected picture, on an empty file when
// nothing (or a sub-album) is selected, and on an unknown desktop shows a
// message instead. The desktop's settings are only read, from a private
// in-memory gsettings backend.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>

#include "album/album_store.h"
#include "desktop/ui/wallpaper_dialog.h"
#include "imagelist/ui/image_list_panel.h"
#include "imagelist/ui/list_popup_menu.h"
#include "imagelist/ui/list_view2.h"
#include "mainwindow/ui/desktop_background_commands.h"
#include "mainwindow/ui/window_test_album.h"
#include "platform/ui/qt_bridge.h"

using namespace lumidex;

namespace {

// Closes the dialog or message box that the command brings up, keeping
// what it showed.
class ModalWatcher {
 public:
  ModalWatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* dialog = qobject_cast<WallpaperDialog*>(modal)) {
        dialogs << dialog->edit()->text();
        dialog->reject();
      } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        messages << box->text();
        box->accept();
      }
    });
    timer_.start(10);
  }
  QStringList dialogs;
  QStringList messages;

 private:
  QTimer timer_;
};

}  // namespace

class WallpaperWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { qputenv("GSETTINGS_BACKEND", "memory"); }
  void init() { QVERIFY(shown_.Open()); }
  void cleanup() { shown_.Close(); }

  void commandOpensTheDialogOnTheSelectionOrEmpty() {
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    auto* commands = shown_.window->findChild<DesktopBackgroundCommands*>();
    QVERIFY(commands != nullptr);
    ImageListPanel& list = shown_.views->imageList();
    emit list.popupMenu()->aboutToShow();
    QVERIFY(!commands->action()->isVisible());  // the page list holds no files
    QVERIFY(shown_.album->store->OpenPage("08/20").ok());
    list.SyncWithStore();
    emit list.popupMenu()->aboutToShow();
    QVERIFY(commands->action()->isVisible());

    ModalWatcher watcher;
    list.SelectRow(1);
    commands->SetWallpaperCommand();
    list.view()->clearSelection();
    commands->SetWallpaperCommand();
    list.SelectRow(2);  // the sub-album
    commands->SetWallpaperCommand();
    QCOMPARE(watcher.dialogs, QStringList({ToQString(shown_.album->second), QString(), QString()}));
    QVERIFY(watcher.messages.isEmpty());
  }

  void unknownDesktopGetsAMessageAndNoDialog() {
    qputenv("XDG_CURRENT_DESKTOP", "Sway");
    auto* commands = shown_.window->findChild<DesktopBackgroundCommands*>();
    QVERIFY(shown_.album->store->OpenPage("08/20").ok());
    shown_.views->imageList().SyncWithStore();
    shown_.views->imageList().SelectRow(0);
    ModalWatcher watcher;
    commands->SetWallpaperCommand();
    QVERIFY(watcher.dialogs.isEmpty());
    QCOMPARE(watcher.messages.size(), 1);
    QVERIFY(watcher.messages.front().contains(QStringLiteral("XDG_CURRENT_DESKTOP: Sway")));
  }

 private:
  lumidex::testing::ShownWindow shown_;
};

QTEST_MAIN(WallpaperWindowTest)
#include "wallpaper_window_test.moc"
