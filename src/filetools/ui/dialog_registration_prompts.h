#pragma once

#include <QPointer>
#include <QWidget>

#include "album/registration_prompts.h"

namespace lumidex {

// The registration questions of the window: the managed-type question as a
// TMsgBoxDlg with caption "管理するファイルの追加確認", notices as message
// boxes. `parent` may go first; the dialogs then have no parent.
class DialogRegistrationPrompts : public RegistrationPrompts {
 public:
  explicit DialogRegistrationPrompts(QWidget* parent) : parent_(parent) {}

  ManagedTypeAnswer AskManagedType(const std::string& extension,
                                   const std::string& message) override;
  void Inform(const std::string& message) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace lumidex
