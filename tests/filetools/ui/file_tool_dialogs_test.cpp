#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>

#include "filetools/ui/tfile_copy_dlg.h"
#include "filetools/ui/torganise_dlg.h"
#include "foundation/settings.h"
#include "platform/ui/qt_bridge.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

QPushButton* ButtonNamed(QWidget& dialog, const QString& text) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

QCheckBox* BoxNamed(QWidget& dialog, const QString& text) {
  for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
    if (box->text() == text) return box;
  }
  return nullptr;
}

class FileToolDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void copyDialogAnswersAfterItClosed() {
    TFileCopyDlg dialog(TFileCopyDlg::Mode::kFolder, QStringLiteral("指定場所へのファイルコピー"),
                        QStringLiteral("label"), QStringLiteral("/tmp/out"));
    dialog.SetPlacementOption(true, true);
    dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    dialog.show();
    dialog.accept();
    QCOMPARE(dialog.result(), QStringLiteral("/tmp/out"));
    QVERIFY(dialog.placementTicked());

    TFileCopyDlg cancelled(TFileCopyDlg::Mode::kFile, QStringLiteral("ファイル名の変更"),
                           QStringLiteral("label"), QStringLiteral("/tmp/a.jpg"));
    cancelled.show();
    cancelled.reject();
    QVERIFY(cancelled.result().isEmpty());
    QVERIFY(!cancelled.placementTicked());
  }

  void organiserRunsOnlyOnFoldersAndKeepsItsChoices() {
    testing::TempHome home;
    std::filesystem::create_directories(home.Join("src"));
    Settings settings;
    settings.dir1 = home.Join("missing");
    settings.dir2 = home.Join("src");
    settings.cpMod = 2;
    TOrganiseDlg dialog(settings);
    QPushButton* run = ButtonNamed(dialog, QStringLiteral("実行"));
    QCheckBox* move = BoxNamed(dialog, QStringLiteral("ファイルを移動する（整理元ファイルは削除）"));
    QCheckBox* remove = BoxNamed(dialog, QStringLiteral("空に成ったフォルダを削除する"));
    QVERIFY(run && move && remove);
    QVERIFY(!run->isEnabled());
    QVERIFY(move->isEnabled());
    QVERIFY(!remove->isEnabled());
    move->setChecked(true);
    QVERIFY(remove->isEnabled());
    remove->setChecked(true);

    std::filesystem::create_directories(home.Join("dst"));
    dialog.findChildren<QLineEdit*>().front()->setText(ToQString(home.Join("dst")));
    QVERIFY(run->isEnabled());
    dialog.accept();
    const OrganiseOptions options = dialog.options();
    QVERIFY(options.unit == OrganiseUnit::kDay);
    QVERIFY(options.move && options.removeEmptied);
    QCOMPARE(settings.dir1, home.Join("dst"));
    QVERIFY(settings.mvdelsw);

    // The same folder on both sides: nothing to move.
    dialog.findChildren<QLineEdit*>().front()->setText(ToQString(home.Join("src")));
    QVERIFY(!move->isEnabled());
    QVERIFY(!dialog.options().move);
  }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::FileToolDialogsTest)
#include "file_tool_dialogs_test.moc"
