#include "platform/ui/shell_services.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "foundation/app_identity.h"
#include "platform/ui/file_properties_dlg.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex::platform {
namespace {

constexpr char kFileManagerService[] = "org.freedesktop.FileManager1";
constexpr char kFileManagerPath[] = "/org/freedesktop/FileManager1";

// Calls `method` of the desktop's file manager with `path`. False when no
// file manager is registered on the session bus or the call fails.
bool CallFileManager(const char* method, const QString& path) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  if (!bus.interface()->isServiceRegistered(QString::fromLatin1(kFileManagerService)).value())
    return false;
  QDBusMessage call = QDBusMessage::createMethodCall(
      QString::fromLatin1(kFileManagerService), QString::fromLatin1(kFileManagerPath),
      QString::fromLatin1(kFileManagerService), QString::fromLatin1(method));
  call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()}
       << QString();
  const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
  return reply.type() == QDBusMessage::ReplyMessage;
}

// xdg-open's exit code for a file or folder that does not exist.
constexpr int kOpenerFileMissing = 2;

void SayCannotOpen(const QString& path, bool missing) {
  const QString reason = missing ? QStringLiteral("ファイルが見つかりません。")
                                 : QStringLiteral("関連付けられたプログラムがありません。");
  QMessageBox::information(QApplication::activeWindow(), ToQString(kAppTitle),
                           reason + QLatin1Char('\n') + path);
}

}  // namespace

// The desktop's opener is run directly rather than through QDesktopServices,
// which starts it detached and so cannot tell when nothing was associated.
// The opener returns at once on the desktops that have one of their own
// (gio, kde-open, exo-open); on a bare desktop it may wait for the program
// it started, which then outlives it when the album ends first.
bool OpenWithSystem(const QString& path) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) {
    SayCannotOpen(path, false);
    return false;
  }
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(opener);
  process->setArguments({path});
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(process, &QProcess::finished, process,
                   [process, path](int code, QProcess::ExitStatus status) {
                     process->deleteLater();
                     if (status == QProcess::NormalExit && code != 0) {
                       SayCannotOpen(path, code == kOpenerFileMissing);
                     }
                   });
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process, path](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     process->deleteLater();
                     SayCannotOpen(path, false);
                   });
  // An opener still waiting for its program when the album ends is stopped
  // quietly; the program it started runs on.
  QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process,
                   [process] {
                     process->disconnect();
                     process->kill();
                     process->waitForFinished(1000);
                   });
  process->start();
  return true;
}

void ShowFileProperties(const QString& path, QWidget* parent) {
  if (CallFileManager("ShowItemProperties", path)) return;
  FilePropertiesDlg dialog(path, parent);
  dialog.exec();
}

void ShowInFileManager(const QString& path) {
  if (CallFileManager("ShowItems", path)) return;
  OpenWithSystem(QFileInfo(path).absolutePath());
}

}  // namespace lumidex::platform
