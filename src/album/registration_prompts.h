#pragma once

#include <string>

namespace lumidex {

// What registering files asks of the user. The window answers with the
// managed-type dialog (caption "管理するファイルの追加確認", buttons "はい"
// and "いいえ", check box "全て") and message boxes; the command-line tool
// and the tests answer without a screen. Main thread only.
class RegistrationPrompts {
 public:
  virtual ~RegistrationPrompts() = default;

  struct ManagedTypeAnswer {
    bool yes = false;  // register files of this extension from now on
    bool all = false;  // "全て": give the same answer for the rest of the batch
  };
  // Asked for a file whose extension (as written, with its dot) is neither a
  // picture type nor a managed type; `message` is the dialog's text.
  virtual ManagedTypeAnswer AskManagedType(const std::string& extension,
                                           const std::string& message) = 0;

  // A notice the user only acknowledges.
  virtual void Inform(const std::string& message) = 0;
};

}  // namespace lumidex
