#pragma once

#include "filetools/file_operation.h"

class QWidget;

namespace lumidex {

// The file operation's questions as message boxes over `parent`: the
// overwrite question with "はい", "すべてはい", "いいえ", "すべていいえ" and
// "キャンセル", and after a failure "はい" (go on) or "いいえ" (stop).
// Main thread only.
class DialogFileOperationPrompts : public FileOperationPrompts {
 public:
  explicit DialogFileOperationPrompts(QWidget* parent) : parent_(parent) {}
  Overwrite AskOverwrite(const std::string& message, const std::string& caption) override;
  bool AskContinue(const std::string& message, const std::string& caption) override;

 private:
  QWidget* parent_;
};

}  // namespace lumidex
