#include "filetools/ui/dialog_registration_prompts.h"

#include <QApplication>
#include <QMessageBox>

#include "filetools/ui/tmsg_box_dlg.h"
#include "platform/ui/qt_bridge.h"

namespace lumidex {

RegistrationPrompts::ManagedTypeAnswer DialogRegistrationPrompts::AskManagedType(
    const std::string&, const std::string& message) {
  TMsgBoxDlg dialog(QStringLiteral("管理するファイルの追加確認"), ToQString(message), parent_);
  const bool yes = dialog.exec() == QDialog::Accepted;
  return {yes, dialog.forAll()};
}

void DialogRegistrationPrompts::Inform(const std::string& message) {
  QMessageBox::information(parent_, QApplication::applicationDisplayName(), ToQString(message));
}

}  // namespace lumidex
