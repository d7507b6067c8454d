#include "filetools/ui/dialog_file_operation_prompts.h"

#include <QMessageBox>
#include <QPushButton>

#include "platform/ui/qt_bridge.h"

namespace lumidex {

FileOperationPrompts::Overwrite DialogFileOperationPrompts::AskOverwrite(
    const std::string& message, const std::string& caption) {
  QMessageBox box(QMessageBox::Question, ToQString(caption), ToQString(message),
                  QMessageBox::NoButton, parent_);
  QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
  QPushButton* yesAll = box.addButton(QStringLiteral("すべてはい"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
  QPushButton* noAll = box.addButton(QStringLiteral("すべていいえ"), QMessageBox::NoRole);
  QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
  box.setDefaultButton(no);
  box.setEscapeButton(cancel);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (clicked == yes) return Overwrite::kYes;
  if (clicked == yesAll) return Overwrite::kYesToAll;
  if (clicked == no) return Overwrite::kNo;
  if (clicked == noAll) return Overwrite::kNoToAll;
  return Overwrite::kCancel;
}

bool DialogFileOperationPrompts::AskContinue(const std::string& message,
                                             const std::string& caption) {
  return QMessageBox::warning(parent_, ToQString(caption), ToQString(message),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
         QMessageBox::Yes;
}

}  // namespace lumidex
