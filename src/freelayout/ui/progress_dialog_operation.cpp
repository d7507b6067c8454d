#include "freelayout/ui/progress_dialog_operation.h"

#include <QApplication>
#include <QProgressDialog>

#include "platform/ui/qt_bridge.h"

namespace lumidex {

ProgressDialogOperation::ProgressDialogOperation(QWidget* parent, const QString& caption)
    : box_(std::make_unique<QProgressDialog>(QString(), QStringLiteral("中止"), 0, 1, parent)) {
  box_->setWindowTitle(caption);
  box_->setWindowModality(Qt::WindowModal);
  box_->setMinimumDuration(300);
  box_->setAutoClose(false);
  box_->setAutoReset(false);
}

ProgressDialogOperation::~ProgressDialogOperation() = default;

void ProgressDialogOperation::Begin(int total) {
  box_->setMaximum(std::max(1, total));
  box_->setValue(0);
}

bool ProgressDialogOperation::Step(int done, std::string_view item) {
  box_->setValue(std::min(done, box_->maximum()));
  box_->setLabelText(ToQString(item));
  QApplication::processEvents();
  return box_->wasCanceled();
}

bool ProgressDialogOperation::AbortRequested() const { return box_->wasCanceled(); }

void ProgressDialogOperation::End() { box_->hide(); }

}  // namespace lumidex
