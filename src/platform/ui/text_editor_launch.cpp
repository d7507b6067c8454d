#include "platform/ui/text_editor_launch.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "foundation/app_identity.h"
#include "platform/text_editor.h"
#include "platform/ui/qt_bridge.h"
#include "platform/ui/shell_services.h"

namespace lumidex::platform {
namespace {

bool SayCannotOpen(const QString& path, const QString& reason) {
  QMessageBox::information(QApplication::activeWindow(), ToQString(kAppTitle),
                           reason + QLatin1Char('\n') + path);
  return false;
}

}  // namespace

bool OpenInTextEditor(const QString& path) {
  if (!QFileInfo(path).isFile())
    return SayCannotOpen(path, QStringLiteral("ファイルが見つかりません。"));
  const std::optional<ProgramCall> call =
      TextEditorCall(ToStdString(path), ToStdString(qEnvironmentVariable("VISUAL")),
                     ToStdString(qEnvironmentVariable("EDITOR")), [](std::string_view name) {
                       return ToStdString(QStandardPaths::findExecutable(ToQString(name)));
                     });
  const QString none = QStringLiteral("関連付けられたプログラムがありません。");
  if (!call) return SayCannotOpen(path, none);
  const QString program = ToQString(call->program);
  if (QFileInfo(program).fileName() == QStringLiteral("xdg-open")) return OpenWithSystem(path);
  QStringList arguments;
  for (const std::string& argument : call->arguments) arguments << ToQString(argument);
  if (!QProcess::startDetached(program, arguments)) return SayCannotOpen(path, none);
  return true;
}

}  // namespace lumidex::platform
