#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/mem_ini_file.h"
#include "foundation/status.h"
#include "pagelock/page_password.h"

namespace lumidex {

// The section of the lock list "daylc.ini" that holds one key per locked
// page of one year, "yyyy/mm/dd=" (the value is always empty).
inline constexpr std::string_view kLockSection = "LCK";

// The lock key of page `page` ("mm/dd") in `year`: "yyyy/mm/dd".
std::string LockKey(std::string_view year, std::string_view page);

// The questions the page lock asks; each shows a title and a prompt.
enum class PasswordQuestion {
  kRegister,       // no password yet: the first toggle registers one
  kUnlock,         // unlocking a locked page
  kCurrent,        // changing the password: the current one first
  kNew,            // the new password
};
struct PasswordQuestionText {
  std::string_view title;
  std::string prompt;
};
PasswordQuestionText TextOf(PasswordQuestion question);

// Asks the user for a password. Gives the entry, or nothing when the user
// cancelled or left the entry empty.
using AskPassword = std::function<std::optional<std::string>(PasswordQuestion)>;

// What a toggle did, keys "yyyy/mm/dd" in the order of the pages given.
struct ToggleOutcome {
  bool cancelled = false;  // the registration was cancelled: nothing changed
  std::vector<std::string> locked;
  std::vector<std::string> unlocked;
  std::vector<std::string> keptLocked;  // a wrong or cancelled entry
};

// Locks each unlocked page of `pages` ("mm/dd") in `year` and unlocks each
// locked one. With no password registered, asks kRegister first and
// registers the entry (written to the settings at once); a cancelled
// registration changes nothing. Locking needs no password; unlocking asks
// kUnlock until one entry matched, once per locked page while the entries
// are wrong (a wrong or cancelled entry keeps that page locked). The lock
// list is saved once when a key changed.
//
// Errors: a failed registration write (nothing changed) or a failed save of
// the lock list (the keys in memory are put back as they were).
Result<ToggleOutcome> ToggleLocks(TMemIniFile& lockList, PagePassword& password,
                                  std::string_view year, const std::vector<std::string>& pages,
                                  const AskPassword& ask);

// Changes the password: asks kCurrent and goes on only when the entry
// matches, runs `between` (a short pause of the window), asks kNew and
// registers that entry. Returns whether the password changed; a wrong or
// cancelled entry changes nothing. Error: a failed write of the settings.
Result<bool> ChangePassword(PagePassword& password, const AskPassword& ask,
                            const std::function<void()>& between = nullptr);

// Locks (`lock`) or unlocks page `page` in `year` with the password `entry`,
// for scripts. With no password registered, `entry` is registered first.
// Returns whether the lock list changed (false when the page already was as
// asked); the lock list is saved then.
// Errors, each leaving the lock list as it was: an empty entry, an entry
// that is not the password, a failed registration write, a failed save (a
// password registered by this call stays registered).
Result<bool> SetPageLock(TMemIniFile& lockList, PagePassword& password, std::string_view year,
                         std::string_view page, bool lock, std::string_view entry);

// The messages of SetPageLock's refusals.
inline constexpr std::string_view kNoPasswordMessage = "パスワードが入力されていません";
inline constexpr std::string_view kWrongPasswordMessage = "パスワードが違います";

}  // namespace lumidex
