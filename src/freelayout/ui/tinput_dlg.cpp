#include "freelayout/ui/tinput_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TInputDlg::TInputDlg(const QString& caption, const QString& prompt, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TInputDlg"));
  setWindowTitle(caption);
  auto* column = new QVBoxLayout(this);
  label_ = new QLabel(prompt, this);
  label_->setObjectName(QStringLiteral("Label1"));
  column->addWidget(label_);
  combo_ = new QComboBox(this);
  combo_->setObjectName(QStringLiteral("ComboBox1"));
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setMaxVisibleItems(16);
  combo_->setMinimumWidth(280);
  column->addWidget(combo_);
  check_ = new QCheckBox(QStringLiteral("全ての年から検索"), this);
  check_->setObjectName(QStringLiteral("CheckBox1"));
  check_->hide();
  column->addWidget(check_);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  column->addWidget(buttons);
}

void TInputDlg::SetText(const QString& text, const QStringList& suggestions) {
  combo_->clear();
  combo_->addItems(suggestions);
  combo_->setEditText(text);
  combo_->lineEdit()->selectAll();
}

QString TInputDlg::text() const { return combo_->currentText(); }

void TInputDlg::ShowCheckBox(bool checked, bool enabled) {
  check_->setChecked(checked);
  check_->setEnabled(enabled);
  check_->show();
}

bool TInputDlg::checked() const { return check_->isChecked(); }

}  // namespace lumidex
