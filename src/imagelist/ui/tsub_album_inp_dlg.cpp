#include "imagelist/ui/tsub_album_inp_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TSubAlbumInpDlg::TSubAlbumInpDlg(const QString& caption, const QString& label, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TSubAlbumInpDlg"));
  setWindowTitle(caption);
  label_ = new QLabel(label, this);
  nameBox_ = new QComboBox(this);
  nameBox_->setEditable(true);
  nameBox_->setInsertPolicy(QComboBox::NoInsert);
  nameBox_->setMinimumWidth(240);
  updateButton_ = new QPushButton(QStringLiteral("更新"), this);
  updateButton_->setToolTip(QStringLiteral("サブアルバムリストの更新"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  okButton_ = buttons->button(QDialogButtonBox::Ok);
  okButton_->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(nameBox_, 1);
  nameRow->addWidget(updateButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addLayout(nameRow);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(nameBox_, &QComboBox::editTextChanged, this, [this] { UpdateOk(); });
  connect(updateButton_, &QPushButton::clicked, this, [this] {
    const QString text = Text();
    SetChoices(refresh_ ? refresh_() : choices_);
    SetText(text);
  });
  UpdateOk();
}

void TSubAlbumInpDlg::SetChoices(const QStringList& choices) {
  choices_ = choices;
  const QString text = Text();
  nameBox_->clear();
  nameBox_->addItems(choices);
  SetText(text);
}

void TSubAlbumInpDlg::SetText(const QString& text) {
  nameBox_->setEditText(text);
  UpdateOk();
}

QString TSubAlbumInpDlg::Text() const { return nameBox_->currentText(); }

void TSubAlbumInpDlg::UpdateOk() { okButton_->setEnabled(!Text().isEmpty()); }

}  // namespace lumidex
