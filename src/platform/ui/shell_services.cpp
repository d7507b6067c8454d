#include "platform/ui/shell_services.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include "platform/ui/file_properties_dlg.h"

namespace lumidex::platform {
namespace {

constexpr char kFileManagerService[] = "org.freedesktop.FileManager1";
constexpr char kFileManagerPath[] = "/org/freedesktop/FileManager1";

// Calls `method` of the desktop's file manager with `path`. False when no
// file manager is registered on the session bus or the call fails.
bool CallFileManager(const char* method, const QString& path) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected() || !bus.interface()) return false;
  if (!bus.interface()->isServiceRegistered(QString::fromLatin1(kFileManagerService)).value()) return false;
  QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(kFileManagerService),
                                                     QString::fromLatin1(kFileManagerPath),
                                                     QString::fromLatin1(kFileManagerService),
                                                     QString::fromLatin1(method));
  call << QStringList{QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString()} << QString();
  const QDBusMessage reply = bus.call(call, QDBus::Block, 3000);
  return reply.type() == QDBusMessage::ReplyMessage;
}

}  // namespace

bool OpenWithSystem(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void ShowFileProperties(const QString& path, QWidget* parent) {
  if (CallFileManager("ShowItemProperties", path)) return;
  FilePropertiesDlg dialog(path, parent);
  dialog.exec();
}

void ShowInFileManager(const QString& path) {
  if (CallFileManager("ShowItems", path)) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absolutePath()));
}

}  // namespace lumidex::platform
