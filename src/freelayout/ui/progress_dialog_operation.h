#pragma once

#include <QString>
#include <memory>

#include "foundation/long_operation.h"

class QProgressDialog;
class QWidget;

namespace lumidex {

// A long operation shown in a modal progress box of its own with a "中止"
// button, for commands that run where the window's progress bar is not at
// hand. Step lets window events run, so the button can be pressed. Main
// thread only.
class ProgressDialogOperation final : public LongOperation {
 public:
  ProgressDialogOperation(QWidget* parent, const QString& caption);
  ~ProgressDialogOperation() override;

  void Begin(int total) override;
  bool Step(int done, std::string_view item) override;
  bool AbortRequested() const override;
  void End() override;

 private:
  std::unique_ptr<QProgressDialog> box_;
};

}  // namespace lumidex
