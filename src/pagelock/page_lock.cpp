#include "pagelock/page_lock.h"

namespace lumidex {
namespace {

constexpr std::string_view kEnterPassword = "パスワードを入力して下さい";

// Saves the lock list after `added` keys were written and `removed` keys
// dropped; on a failure puts the keys back as they were and returns the error.
Status SaveOrRestore(TMemIniFile& lockList, const std::vector<std::string>& added,
                     const std::vector<std::string>& removed) {
  if (added.empty() && removed.empty()) return Status::Ok();
  Status saved = lockList.Save();
  if (saved.ok()) return saved;
  for (const std::string& key : added) lockList.DropKey(kLockSection, key);
  for (const std::string& key : removed) lockList.SetValue(kLockSection, key, "");
  return saved;
}

}  // namespace

std::string LockKey(std::string_view year, std::string_view page) {
  std::string key(year);
  key += '/';
  key += page;
  return key;
}

PasswordQuestionText TextOf(PasswordQuestion question) {
  const std::string enter(kEnterPassword);
  switch (question) {
    case PasswordQuestion::kRegister: return {"パスワードの登録", enter + "。"};
    case PasswordQuestion::kUnlock: return {"パスワードの確認", "ロックを解除します。" + enter + "。"};
    case PasswordQuestion::kCurrent: return {"パスワードの確認", "現在の" + enter};
    case PasswordQuestion::kNew: return {"パスワードの変更", "新しい" + enter};
  }
  return {"", enter};
}

Result<ToggleOutcome> ToggleLocks(TMemIniFile& lockList, PagePassword& password,
                                  std::string_view year, const std::vector<std::string>& pages,
                                  const AskPassword& ask) {
  ToggleOutcome outcome;
  if (pages.empty()) return outcome;
  bool verified = false;
  if (!password.registered()) {
    const std::optional<std::string> entry = ask(PasswordQuestion::kRegister);
    if (!entry || entry->empty()) {
      outcome.cancelled = true;
      return outcome;
    }
    if (Status s = password.Register(*entry); !s.ok()) return s;
    verified = true;
  }
  for (const std::string& page : pages) {
    const std::string key = LockKey(year, page);
    if (!lockList.HasKey(kLockSection, key)) {
      lockList.SetValue(kLockSection, key, "");
      outcome.locked.push_back(key);
      continue;
    }
    if (!verified) {
      const std::optional<std::string> entry = ask(PasswordQuestion::kUnlock);
      verified = entry && password.Matches(*entry);
    }
    if (verified) {
      lockList.DropKey(kLockSection, key);
      outcome.unlocked.push_back(key);
    } else {
      outcome.keptLocked.push_back(key);
    }
  }
  if (Status s = SaveOrRestore(lockList, outcome.locked, outcome.unlocked); !s.ok()) return s;
  return outcome;
}

Result<bool> ChangePassword(PagePassword& password, const AskPassword& ask,
                            const std::function<void()>& between) {
  const std::optional<std::string> current = ask(PasswordQuestion::kCurrent);
  if (!current || !password.Matches(*current)) return false;
  if (between) between();
  const std::optional<std::string> next = ask(PasswordQuestion::kNew);
  if (!next || next->empty()) return false;
  if (Status s = password.Register(*next); !s.ok()) return s;
  return true;
}

Result<bool> SetPageLock(TMemIniFile& lockList, PagePassword& password, std::string_view year,
                         std::string_view page, bool lock, std::string_view entry) {
  if (entry.empty()) return Status::Error(std::string(kNoPasswordMessage));
  if (!password.registered()) {
    if (Status s = password.Register(std::string(entry)); !s.ok()) return s;
  } else if (!password.Matches(entry)) {
    return Status::Error(std::string(kWrongPasswordMessage));
  }
  const std::string key = LockKey(year, page);
  if (lockList.HasKey(kLockSection, key) == lock) return false;
  std::vector<std::string> added, removed;
  if (lock) {
    lockList.SetValue(kLockSection, key, "");
    added.push_back(key);
  } else {
    lockList.DropKey(kLockSection, key);
    removed.push_back(key);
  }
  if (Status s = SaveOrRestore(lockList, added, removed); !s.ok()) return s;
  return true;
}

}  // namespace lumidex
