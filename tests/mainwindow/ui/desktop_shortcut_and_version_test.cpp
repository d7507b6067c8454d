// The ツール menu's desktop shortcut repair and the ヘルプ menu's version box,
// as the user meets them in the window.
#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <memory>

#include "desktop/desktop_entry.h"
#include "foundation/file_store.h"
#include "mainwindow/ui/desktop_shortcut_commands.h"
#include "mainwindow/ui/error_reporting_application.h"
#include "mainwindow/ui/tform1.h"
#include "mainwindow/ui/version_box.h"
#include "platform/ui/qt_bridge.h"
#include "support/temp_home.h"

using namespace lumidex;

namespace {

// Answers the next question box with `button`, keeping its caption and text.
struct NextAnswer {
  explicit NextAnswer(QMessageBox::StandardButton button) {
    QObject::connect(&timer, &QTimer::timeout, [this, button] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        caption = box->windowTitle();
        text = box->text();
        box->button(button)->click();
      }
    });
    timer.start(10);
  }
  QTimer timer;
  QString caption, text;
};

}  // namespace

class DesktopShortcutAndVersionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<testing::TempHome>();
    entry_ = home_->Join("share/applications/lumidex-album.desktop");
    tools_ = std::make_unique<QMenu>(QStringLiteral("ツール(&T)"));
    commands_ = new DesktopShortcutCommands(*tools_, *tools_, RealFileStore(), entry_, kRunning);
  }
  void cleanup() {
    tools_.reset();
    home_.reset();
  }

  void theItemShowsWhileTheEntryIsMissingAndGoesAfterARepair() {
    QAction* item = commands_->repairItem();
    QCOMPARE(item->objectName(), QStringLiteral("N96"));
    QVERIFY(item->isVisible());

    NextAnswer yes(QMessageBox::Yes);
    item->trigger();
    QCOMPARE(yes.caption, QStringLiteral("デスクトップショートカットの変更確認"));
    QCOMPARE(yes.text, QStringLiteral("旧 > \n新 > /opt/album/lumidex-album\n\n新しいリンク先に変更しますか？"));
    QCOMPARE(ReadDesktopEntry(RealFileStore(), entry_).target, std::string(kRunning));
    QVERIFY(!item->isVisible());
  }

  void anEntryForAnotherProgramIsFoundWhenTheMenuOpensAndNoLeavesIt() {
    testing::WriteFile(entry_, "[Desktop Entry]\nName=x\nExec=/usr/bin/old-album %F\n");
    emit tools_->aboutToShow();
    QVERIFY(commands_->repairItem()->isVisible());
    QCOMPARE(commands_->rememberedTarget(), std::string("/usr/bin/old-album"));

    NextAnswer no(QMessageBox::No);
    commands_->repairItem()->trigger();
    QVERIFY(no.text.startsWith(QStringLiteral("旧 > /usr/bin/old-album\n新 > /opt/album/lumidex-album")));
    QCOMPARE(testing::ReadFile(entry_), std::string("[Desktop Entry]\nName=x\nExec=/usr/bin/old-album %F\n"));
    QVERIFY(commands_->repairItem()->isVisible());

    // Pointed at the running program by hand: the item goes at the next opening.
    testing::WriteFile(entry_, "[Desktop Entry]\nExec=/opt/album/lumidex-album\n");
    emit tools_->aboutToShow();
    QVERIFY(!commands_->repairItem()->isVisible());
  }

  void theVersionBoxListsTheLoadedQtAndThePictureLibrariesOnTheSchemesColour() {
    TForm1 window;
    window.ApplyColourScheme(3);
    QMenu help;
    QAction* item = AddVersionInformationItem(help, window);
    QCOMPARE(item->objectName(), QStringLiteral("VersionInformation1"));
    QCOMPARE(item->text(), QStringLiteral("Version Information(&A)"));
    QString shown;
    QColor background;
    QTimer::singleShot(50, [&] {
      auto* box = qobject_cast<VersionBox*>(QApplication::activeModalWidget());
      if (!box) return;
      shown = box->text()->text();
      background = box->palette().color(QPalette::Window);
      box->accept();
    });
    item->trigger();
    QVERIFY(shown.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    for (const char* library : {"libjpeg-turbo ", "libpng ", "giflib ", "zlib "}) {
      QVERIFY2(shown.contains(QString::fromLatin1(library)), library);
    }
    QCOMPARE(background, QColor(ToQColor(window.scheme().versionBoxColour())));
    QVERIFY(background != QColor(ToQColor(ColourSchemeFor(0).versionBoxColour())));
  }

 private:
  static constexpr const char* kRunning = "/opt/album/lumidex-album";
  std::unique_ptr<testing::TempHome> home_;
  std::string entry_;
  std::unique_ptr<QMenu> tools_;
  DesktopShortcutCommands* commands_ = nullptr;
};

int main(int argc, char** argv) {
  ErrorReportingApplication app(argc, argv);
  DesktopShortcutAndVersionTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "desktop_shortcut_and_version_test.moc"
