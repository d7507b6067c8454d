#include "mainwindow/ui/album_backup_commands.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "album/album_backup.h"
#include "album/album_store.h"
#include "calendar/ui/calendar_controller.h"
#include "foundation/settings_load_store.h"
#include "foundation/settings_store.h"
#include "mainwindow/ui/command_lock.h"
#include "mainwindow/ui/tform1.h"
#include "platform/environment.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {
namespace {

constexpr const char* kSettingsQuestion = "オプション設定を読み込みますか？";
constexpr const char* kRestartNotice =
    "読み込んだオプション設定を適用するには、アプリケーションを一度、閉じる必要があります。";

SettingsStore WindowSettingsStore() { return SettingsStore(SettingsFilePath(platform::SettingsFolder())); }

// The busy cursor for the length of one command.
class BusyCursor {
 public:
  BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
  ~BusyCursor() { QApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

AlbumBackupCommands::AlbumBackupCommands(TForm1& window, AlbumStore& album, CalendarController& calendar,
                                         std::function<bool()> confirmFreeLayoutSave, QObject* parent)
    : QObject(parent),
      window_(window),
      album_(album),
      calendar_(calendar),
      confirmFreeLayoutSave_(std::move(confirmFreeLayoutSave)) {
  // "ファイル" -> "アルバムデータ" of the main menu.
  import_ = window.mainMenu().importAlbum;
  export_ = window.mainMenu().exportAlbum;
  connect(import_, &QAction::triggered, this, &AlbumBackupCommands::ImportAlbumCommand);
  connect(export_, &QAction::triggered, this, &AlbumBackupCommands::ExportAlbumCommand);
}

QString AlbumBackupCommands::ChooseFile(bool save) {
  QFileDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("AlbumDataDialog"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("アルバムデータ (*.alb)"));
  dialog.setDefaultSuffix(QStringLiteral("alb"));
  dialog.setWindowTitle(save ? QStringLiteral("エクスポート") : QStringLiteral("インポート"));
  const QString folder = ToQString(window_.settings().backupdir);
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().first();
  window_.settings().backupdir = ToStdString(QFileInfo(chosen).absolutePath());
  return chosen;
}

void AlbumBackupCommands::ExportAlbumCommand() {
  // Unsaved free layout edits are saved or dropped first, so the backup
  // holds what the user sees.
  if (confirmFreeLayoutSave_ && !confirmFreeLayoutSave_()) return;
  const QString file = ChooseFile(true);
  if (file.isEmpty()) return;
  SettingsStore settings = WindowSettingsStore();
  Status status;
  {
    CommandLock lock(window_);
    BusyCursor busy;
    // The settings of this run, which are otherwise stored at exit.
    status = StoreSettings(settings, window_.settings());
    if (status.ok()) status = ExportAlbum(album_, settings, ToStdString(file), window_.longOperation());
  }
  if (status.isAborted()) return;
  if (!status.ok()) {
    TForm1::ReportError(status);
    return;
  }
  QMessageBox::information(&window_, QStringLiteral("エクスポート"),
                           QStringLiteral("アルバムデータを書き出しました。\n") + file);
}

void AlbumBackupCommands::ImportAlbumCommand() {
  if (confirmFreeLayoutSave_ && !confirmFreeLayoutSave_()) return;
  const QString file = ChooseFile(false);
  if (file.isEmpty()) return;
  Result<BackupImport> backup = [&] {
    BusyCursor busy;
    return ReadAlbumBackup(window_.environment().folders, ToStdString(file));
  }();
  if (!backup.ok()) {
    TForm1::ReportError(backup.status());
    return;
  }
  if (QMessageBox::question(&window_, QStringLiteral("インポート"), ToQString(ImportQuestion(backup.value())),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  Status status;
  {
    CommandLock lock(window_);
    BusyCursor busy;
    status = ImportAlbum(album_, *window_.environment().lockList, backup.value(), window_.longOperation());
  }
  if (status.isAborted()) return;
  if (!status.ok()) {
    TForm1::ReportError(status);
    // Some files may have been replaced before the failure: show what is on
    // disk now.
    calendar_.BuildMonth(true);
    return;
  }
  AfterImport(backup.value().settingsFile);
}

void AlbumBackupCommands::AfterImport(const std::string& settingsFile) {
  // The year switch with force: the page list, the calendar, the free layout
  // and the favourites show the imported documents, also behind the
  // settings question.
  calendar_.BuildMonth(true);
  if (settingsFile.empty() ||
      QMessageBox::question(&window_, QStringLiteral("確認"), QString::fromUtf8(kSettingsQuestion),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  SettingsStore settings = WindowSettingsStore();
  if (const Status s = settings.SetValue(RegistryValue::String("opld", settingsFile)); !s.ok()) {
    TForm1::ReportError(s);
    return;
  }
  QMessageBox::information(&window_, window_.windowTitle(), QString::fromUtf8(kRestartNotice));
}

}  // namespace lumidex
