#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "pagelock/page_lock.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace lumidex {

// The password form of the input dialog: caption = the question's title,
// `Label2` = its prompt, the masked edit `Edit1`, the check box "文字" (hint
// "文字を表示") that shows the characters while it is ticked, and the buttons
// "OK" and "キャンセル". Modal; main thread only.
class TPasswordDlg : public QDialog {
  Q_OBJECT

 public:
  TPasswordDlg(PasswordQuestion question, QWidget* parent = nullptr);

  // Asks `question` over `parent`: the entry when the user chose OK with a
  // non-empty entry, else nothing.
  static std::optional<std::string> Ask(PasswordQuestion question, QWidget* parent);

  QLineEdit* edit() const { return edit_; }
  QCheckBox* showCharacters() const { return show_; }

 private:
  QLabel* label_ = nullptr;
  QLineEdit* edit_ = nullptr;
  QCheckBox* show_ = nullptr;
};

}  // namespace lumidex
