#include "pagelock/ui/password_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/qt_bridge.h"

namespace lumidex {

TPasswordDlg::TPasswordDlg(PasswordQuestion question, QWidget* parent) : QDialog(parent) {
  const PasswordQuestionText text = TextOf(question);
  setObjectName(QStringLiteral("InputDlg"));
  setWindowTitle(ToQString(std::string(text.title)));
  setModal(true);

  label_ = new QLabel(ToQString(text.prompt), this);
  label_->setObjectName(QStringLiteral("Label2"));
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setEchoMode(QLineEdit::Password);
  edit_->setMinimumWidth(220);
  show_ = new QCheckBox(QStringLiteral("文字"), this);
  show_->setObjectName(QStringLiteral("CheckBox1"));
  show_->setToolTip(QStringLiteral("文字を表示"));
  show_->setStatusTip(QStringLiteral("文字を表示"));
  connect(show_, &QCheckBox::toggled, this,
          [this](bool on) { edit_->setEchoMode(on ? QLineEdit::Normal : QLineEdit::Password); });

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* row = new QHBoxLayout;
  row->addWidget(edit_, 1);
  row->addWidget(show_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addLayout(row);
  layout->addWidget(buttons);
  edit_->setFocus();
}

std::optional<std::string> TPasswordDlg::Ask(PasswordQuestion question, QWidget* parent) {
  TPasswordDlg dialog(question, parent);
  if (dialog.exec() != QDialog::Accepted || dialog.edit_->text().isEmpty()) return std::nullopt;
  return ToStdString(dialog.edit_->text());
}

}  // namespace lumidex
