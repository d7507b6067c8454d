#pragma once

#include <string>
#include <string_view>

#include "foundation/settings_store.h"
#include "foundation/status.h"

namespace lumidex {

// The fixed key the password is scrambled with.
inline constexpr std::string_view kPasswordScrambleKey = "kobe482";
// The settings value that holds the scrambled password.
inline constexpr std::string_view kPasswordValueName = "listlck";

// `text` scrambled (`lock`) or unscrambled (not `lock`) with
// kPasswordScrambleKey. Scramble(Scramble(t, true), false) == t; "" stays "".
std::string Scramble(std::string_view text, bool lock);

inline constexpr std::string_view kPasswordSpacesMessage =
    "パスワードの先頭と末尾には空白を使えません";

// The page-lock password of this user: the remembered text (plain, held for
// the run) and its scrambled form in the settings value "listlck". An empty
// text means that no password has been registered, whether the value is
// missing or holds "".
//
// `store` must outlive the object. Not thread-safe (main thread only).
class PagePassword {
 public:
  // The password whose stored (scrambled) form is `storedForm`.
  PagePassword(SettingsStore& store, std::string_view storedForm);
  PagePassword(const PagePassword&) = delete;
  PagePassword& operator=(const PagePassword&) = delete;

  // The password as the settings file holds it now: "listlck" unscrambled,
  // "" when the value is missing. Error: that of SettingsStore::Read.
  static Result<std::string> ReadStoredForm(const SettingsStore& store);

  bool registered() const { return !text_.empty(); }
  // Whether `entry` is the password: exact, letter case counts. Never true
  // while no password is registered.
  bool Matches(std::string_view entry) const { return registered() && entry == text_; }
  // The scrambled form of the remembered password.
  std::string StoredForm() const { return Scramble(text_, true); }

  // Makes `text` the password and writes its scrambled form to "listlck" at
  // once, so that a password the user just chose is never lost with the run.
  // Errors, each keeping the old password: kPasswordSpacesMessage for a text
  // that is empty or starts or ends with a space or control character (the
  // settings file trims those, so it could not be entered again), the
  // store's error when the write fails.
  Status Register(std::string text);

 private:
  SettingsStore& store_;
  std::string text_;
};

}  // namespace lumidex
