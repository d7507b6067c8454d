#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>

#include "filetools/ui/clipboard_files.h"
#include "filetools/ui/tauto_grp_dlg.h"
#include "platform/ui/qt_bridge.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

class ClipboardFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void fileListsReadBackInOrderWithTheirCutMark() {
    const std::vector<std::string> paths{"/p/b 1.jpg", "/p/日本/a.jpg",
                                         "/" + std::string(300, 'x') + ".jpg"};
    auto data = FileListMimeData(paths, true);
    QVERIFY(data->data(kGnomeCopiedFilesMimeType).startsWith("cut\nfile:///p/b%201.jpg\n"));
    const PastedLines pasted = ReadPastedLines(data.get());
    QVERIFY(pasted.lines == paths);
    QVERIFY(pasted.cut);
    QVERIFY(pasted.kind == IncomingKind::kPaths);
    QVERIFY(!ReadPastedLines(FileListMimeData(paths, false).get()).cut);
  }

  void albumInformationTravelsUnderItsOwnType() {
    const std::vector<std::string> lines{"/p/a.jpg=思い出", "@201303/15旅行=旅"};
    auto data = AlbumInfoMimeData(lines);
    QCOMPARE(data->text(), QStringLiteral("/p/a.jpg=思い出\r\n@201303/15旅行=旅\r\n"));
    const PastedLines pasted = ReadPastedLines(data.get());
    QVERIFY(pasted.kind == IncomingKind::kAlbumInfo);
    QVERIFY(pasted.lines == lines);
  }

  void plainTextIsNothingToPaste() {
    QMimeData text;
    text.setText(QStringLiteral("/p/a.jpg"));
    QVERIFY(!CanPaste(&text));
    QVERIFY(ReadPastedLines(&text).lines.empty());
    QVERIFY(CanPaste(FileListMimeData({"/p/a.jpg"}, false).get()));
  }

  void okNeedsAnExistingFolderAndTheHistoryKeepsTheChoice() {
    testing::TempHome home;
    const std::string user = home.path() + "/";
    const std::string folder = home.Join("photos");
    std::filesystem::create_directories(folder);
    {
      TAutoGrpDlg dialog(TAutoGrpDlg::Form::kAutoRegistration, user,
                         {home.Join("none"), true, false});
      auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OkBtn"));
      QVERIFY(!ok->isEnabled());
      dialog.findChild<QLineEdit*>(QStringLiteral("FolderEdit"))->setText(ToQString(folder));
      QVERIFY(ok->isEnabled());
      dialog.findChild<QCheckBox*>(QStringLiteral("SubAlbumCheck"))->setChecked(true);
      QVERIFY(dialog.options().exifDates);
      QVERIFY(dialog.options().subAlbumsByFolder);
      QVERIFY(!dialog.options().includeHidden);
      QSignalSpy help(&dialog, &TAutoGrpDlg::helpRequested);
      dialog.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
      QCOMPARE(help.count(), 1);
      QCOMPARE(help.at(0).at(0).toString(), QStringLiteral("AutoGrp"));
      dialog.done(QDialog::Accepted);
    }
    TAutoGrpDlg again(TAutoGrpDlg::Form::kFolderSearch, user, {"", false, true, false});
    auto* list = again.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), ToQString(folder));
    QVERIFY(list->item(0)->text() != ToQString(folder));  // short path form
    QVERIFY(again.findChild<QCheckBox*>(QStringLiteral("PlacementCheck")) == nullptr);
    QVERIFY(again.options().includeManaged);
  }
};

}  // namespace
}  // namespace lumidex

QTEST_MAIN(lumidex::ClipboardFilesTest)
#include "clipboard_files_test.moc"
