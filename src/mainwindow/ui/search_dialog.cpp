#include "mainwindow/ui/search_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/qt_bridge.h"

namespace lumidex {

SearchDialog::SearchDialog(const QString& caption, const SearchRequest& last,
                           std::function<std::vector<std::string>()> subAlbumNames, QWidget* parent)
    : QDialog(parent), subAlbumNames_(std::move(subAlbumNames)) {
  setWindowTitle(caption);
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel(QStringLiteral("検索する内容を入力して下さい"), this));
  text_ = new QComboBox(this);
  text_->setEditable(true);
  text_->setInsertPolicy(QComboBox::NoInsert);
  text_->setEditText(ToQString(last.text));
  text_->setMinimumWidth(320);
  column->addWidget(text_);
  auto* targets = new QGridLayout;
  const auto box = [this](const char* caption, bool checked) {
    auto* check = new QCheckBox(QString::fromUtf8(caption), this);
    check->setChecked(checked);
    return check;
  };
  fileNames_ = box("ファイル名", last.targets.fileNames);
  folders_ = box("フォルダ名", last.targets.folders);
  subAlbums_ = box("サブアルバム名", last.targets.subAlbums);
  comments_ = box("コメント", last.targets.comments);
  targets->addWidget(fileNames_, 0, 0);
  targets->addWidget(folders_, 0, 1);
  targets->addWidget(subAlbums_, 1, 0);
  targets->addWidget(comments_, 1, 1);
  column->addLayout(targets);
  ignoreWidth_ = box("半角と全角を区別しない", last.options.ignoreWidth);
  ignoreKana_ = box("ひらがなとカタカナを区別しない", last.options.ignoreKana);
  column->addWidget(ignoreWidth_);
  column->addWidget(ignoreKana_);
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("キャンセル"));
  column->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  for (QCheckBox* target : {fileNames_, folders_, subAlbums_, comments_}) {
    connect(target, &QCheckBox::toggled, this, &SearchDialog::UpdateOk);
  }
  connect(subAlbums_, &QCheckBox::toggled, this, &SearchDialog::OfferSubAlbumNames);
  connect(text_, &QComboBox::editTextChanged, this, &SearchDialog::UpdateOk);
  OfferSubAlbumNames(subAlbums_->isChecked());
  UpdateOk();
}

void SearchDialog::UpdateOk() {
  const bool target =
      fileNames_->isChecked() || folders_->isChecked() || subAlbums_->isChecked() || comments_->isChecked();
  buttons_->button(QDialogButtonBox::Ok)->setEnabled(target && !text_->currentText().isEmpty());
}

void SearchDialog::OfferSubAlbumNames(bool on) {
  const QString typed = text_->currentText();
  text_->clear();
  if (on && subAlbumNames_) {
    for (const std::string& name : subAlbumNames_()) text_->addItem(ToQString(name));
  }
  text_->setEditText(typed);
}

SearchRequest SearchDialog::Request() const {
  SearchRequest request;
  request.text = ToStdString(text_->currentText());
  request.targets = {fileNames_->isChecked(), folders_->isChecked(), subAlbums_->isChecked(), comments_->isChecked()};
  request.options = {ignoreWidth_->isChecked(), ignoreKana_->isChecked()};
  return request;
}

}  // namespace lumidex
