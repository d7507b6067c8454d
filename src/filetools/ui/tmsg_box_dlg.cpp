#include "filetools/ui/tmsg_box_dlg.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumidex {

TMsgBoxDlg::TMsgBoxDlg(const QString& caption, const QString& text, QWidget* parent)
    : QDialog(parent), allCheck_(new QCheckBox(QStringLiteral("全て"), this)) {
  setObjectName(QStringLiteral("TMsgBoxDlg"));
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(text, this));
  auto* buttons = new QHBoxLayout;
  auto* yes = new QPushButton(QStringLiteral("はい"), this);
  auto* no = new QPushButton(QStringLiteral("いいえ"), this);
  yes->setObjectName(QStringLiteral("YesBtn"));
  no->setObjectName(QStringLiteral("NoBtn"));
  allCheck_->setObjectName(QStringLiteral("AllCheck"));
  yes->setDefault(true);
  buttons->addWidget(allCheck_);
  buttons->addStretch();
  buttons->addWidget(yes);
  buttons->addWidget(no);
  layout->addLayout(buttons);
  connect(yes, &QPushButton::clicked, this, &QDialog::accept);
  connect(no, &QPushButton::clicked, this, &QDialog::reject);
}

bool TMsgBoxDlg::forAll() const { return allCheck_->isChecked(); }

}  // namespace lumidex
