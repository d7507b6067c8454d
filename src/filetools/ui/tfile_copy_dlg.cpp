#include "filetools/ui/tfile_copy_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumidex {
namespace {

constexpr int kWidth = 328;
constexpr int kHeight = 190;

}  // namespace

TFileCopyDlg::TFileCopyDlg(Mode mode, const QString& caption, const QString& label,
                           const QString& text, QWidget* parent)
    : QDialog(parent), mode_(mode) {
  setObjectName(QStringLiteral("TFileCopyDlg"));
  setWindowTitle(caption);
  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Bevel1"));
  frame->setFrameShape(QFrame::StyledPanel);
  frame->setFrameShadow(QFrame::Sunken);
  label_ = new QLabel(label, frame);
  label_->setObjectName(QStringLiteral("Label1"));
  label_->setWordWrap(true);
  edit_ = new QLineEdit(text, frame);
  edit_->setObjectName(QStringLiteral("Edit1"));
  browse_ = new QToolButton(frame);
  browse_->setObjectName(QStringLiteral("SpeedButton1"));
  browse_->setText(QStringLiteral("..."));
  browse_->setToolTip(QStringLiteral("参照"));
  placement_ = new QCheckBox(QStringLiteral("配置情報を添付する"), frame);
  placement_->setObjectName(QStringLiteral("CheckBox1"));
  placement_->hide();
  auto* grid = new QGridLayout(frame);
  grid->addWidget(label_, 0, 0, 1, 2);
  grid->addWidget(edit_, 1, 0);
  grid->addWidget(browse_, 1, 1);
  grid->addWidget(placement_, 2, 0, 1, 2);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
  buttons->setCenterButtons(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(browse_, &QToolButton::clicked, this, &TFileCopyDlg::Browse);
  setMinimumWidth(kWidth);
  resize(kWidth, kHeight - 2 * placement_->sizeHint().height());
}

void TFileCopyDlg::SetPlacementOption(bool shown, bool enabled) {
  placement_->setVisible(shown);
  placement_->setEnabled(enabled);
  const int height = shown ? kHeight : kHeight - 2 * placement_->sizeHint().height();
  setFixedHeight(std::max(height, sizeHint().height()));
}

bool TFileCopyDlg::placementTicked() const {
  // isHidden, not isVisible: the answer is read after the dialog closed.
  return !placement_->isHidden() && placement_->isEnabled() && placement_->isChecked();
}

QString TFileCopyDlg::result() const {
  return QDialog::result() == QDialog::Accepted ? edit_->text() : QString();
}

void TFileCopyDlg::Browse() {
  QString chosen;
  if (mode_ == Mode::kFolder) {
    chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("コピー先フォルダを選択して下さい"),
                                               edit_->text());
  } else {
    chosen = QFileDialog::getOpenFileName(this, windowTitle(), edit_->text(), filter_);
  }
  if (!chosen.isEmpty()) edit_->setText(chosen);
}

}  // namespace lumidex
