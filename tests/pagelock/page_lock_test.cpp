#include <gtest/gtest.h>

#include <deque>

#include "foundation/mem_ini_file.h"
#include "foundation/settings_store.h"
#include "pagelock/page_lock.h"
#include "pagelock/page_password.h"
#include "support/fake_file_store.h"

namespace lumidex {
namespace {

TEST(ScrambleTest, EveryPrintableTextComesBackAndIsNotStoredAsTyped) {
  std::string printable;
  for (char c = 0x20; c <= 0x7E; ++c) printable += c;
  std::vector<std::string> texts = {printable, "aaaaaaaaaa", "kobe482", "x", "日本語とabc", "tab\there", "a b"};
  for (char c : printable) texts.emplace_back(1, c);
  for (const std::string& text : texts) {
    const std::string stored = Scramble(text, true);
    EXPECT_EQ(Scramble(stored, false), text) << text;
    ASSERT_EQ(stored.size(), text.size());
    for (size_t i = 0; i < text.size(); ++i) {
      // Visible characters stay visible; spaces and other bytes are kept.
      const bool visible = text[i] > 0x20 && text[i] <= 0x7E;
      EXPECT_EQ(stored[i] > 0x20 && stored[i] <= 0x7E, visible) << text;
      if (!visible) EXPECT_EQ(stored[i], text[i]) << text;
    }
  }
  EXPECT_NE(Scramble(printable, true), printable);
  // A repeated character does not show as a repeated character.
  EXPECT_NE(Scramble("aaaaaaaaaa", true), std::string(10, Scramble("a", true)[0]));
  EXPECT_EQ(Scramble("", true), "");
}

class PageLockTest : public ::testing::Test {
 protected:
  PageLockTest() : settings_("/cfg/settings.reg", files_), lockList_("/album/daylc.ini", files_) {}

  std::string StoredValue() {
    Result<std::string> stored = PagePassword::ReadStoredForm(settings_);
    EXPECT_TRUE(stored.ok());
    return stored.ok() ? stored.value() : "";
  }
  // Answers the questions from `answers_` in order, recording each.
  AskPassword Answers() {
    return [this](PasswordQuestion question) -> std::optional<std::string> {
      asked_.push_back(question);
      if (answers_.empty()) return std::nullopt;
      std::optional<std::string> answer = answers_.front();
      answers_.pop_front();
      return answer;
    };
  }
  std::string LockFile() { return files_.files["/album/daylc.ini"]; }

  testing::FakeFileStore files_;
  SettingsStore settings_;
  TMemIniFile lockList_;
  std::deque<std::optional<std::string>> answers_;
  std::vector<PasswordQuestion> asked_;
};

TEST_F(PageLockTest, TheFirstToggleRegistersAPasswordWhichIsStoredAtOnce) {
  PagePassword password(settings_, "");
  EXPECT_FALSE(password.registered());
  answers_ = {std::nullopt};
  Result<ToggleOutcome> cancelled = ToggleLocks(lockList_, password, "2013", {"05/03"}, Answers());
  ASSERT_TRUE(cancelled.ok());
  EXPECT_TRUE(cancelled.value().cancelled);
  EXPECT_EQ(files_.writeCount, 0);

  answers_ = {"pa55"};
  Result<ToggleOutcome> locked = ToggleLocks(lockList_, password, "2013", {"05/03", "05/04"}, Answers());
  ASSERT_TRUE(locked.ok());
  EXPECT_EQ(locked.value().locked, (std::vector<std::string>{"2013/05/03", "2013/05/04"}));
  EXPECT_EQ(LockFile(), "[LCK]\r\n2013/05/03=\r\n2013/05/04=\r\n\r\n");
  // The value holds the scrambled form, which a later run reads back.
  EXPECT_NE(StoredValue(), "pa55");
  EXPECT_TRUE(PagePassword(settings_, StoredValue()).Matches("pa55"));
  EXPECT_FALSE(PagePassword(settings_, StoredValue()).Matches("PA55"));
  EXPECT_EQ(asked_, (std::vector<PasswordQuestion>{PasswordQuestion::kRegister, PasswordQuestion::kRegister}));
  // An empty stored value is no password.
  EXPECT_FALSE(PagePassword(settings_, "").Matches(""));
  // A password the settings file could not give back is refused.
  EXPECT_FALSE(password.Register(" pa55").ok());
  EXPECT_FALSE(password.Register("pa55\t").ok());
  EXPECT_TRUE(password.Matches("pa55"));
  // Every printable character (quotes, backslashes, inner spaces) survives
  // the settings file.
  std::string printable;
  for (char c = 0x21; c <= 0x7E; ++c) printable += std::string(1, c) + " ";
  printable.pop_back();
  ASSERT_TRUE(password.Register(printable).ok());
  EXPECT_TRUE(PagePassword(settings_, StoredValue()).Matches(printable));
}

TEST_F(PageLockTest, UnlockingAsksOnceWhenRightAndAgainForEachPageWhileWrong) {
  PagePassword password(settings_, Scramble("pw", true));
  answers_ = {};
  ASSERT_TRUE(ToggleLocks(lockList_, password, "2012", {"01/01", "01/02", "01/03"}, Answers()).ok());
  EXPECT_TRUE(asked_.empty());  // locking needs no password

  answers_ = {"pw"};
  Result<ToggleOutcome> right = ToggleLocks(lockList_, password, "2012", {"01/01", "01/02"}, Answers());
  ASSERT_TRUE(right.ok());
  EXPECT_EQ(right.value().unlocked, (std::vector<std::string>{"2012/01/01", "2012/01/02"}));
  EXPECT_EQ(asked_, std::vector<PasswordQuestion>{PasswordQuestion::kUnlock});

  // 2013 has no lock of 01/03: the toggle locks it there, 2012's stays.
  asked_.clear();
  answers_ = {"PW", std::nullopt};
  Result<ToggleOutcome> wrong =
      ToggleLocks(lockList_, password, "2012", {"01/03", "01/03"}, Answers());
  ASSERT_TRUE(wrong.ok());
  EXPECT_EQ(wrong.value().keptLocked.size(), 2u);
  EXPECT_EQ(asked_.size(), 2u);
  ASSERT_TRUE(ToggleLocks(lockList_, password, "2013", {"01/03"}, Answers()).ok());
  EXPECT_EQ(LockFile(), "[LCK]\r\n2012/01/03=\r\n2013/01/03=\r\n\r\n");
}

TEST_F(PageLockTest, FailedWritesReportAnErrorAndKeepWhatWasThere) {
  PagePassword none(settings_, "");
  files_.failWrites = true;
  answers_ = {"pw"};
  EXPECT_FALSE(ToggleLocks(lockList_, none, "2020", {"02/02"}, Answers()).ok());
  EXPECT_FALSE(none.registered());
  EXPECT_FALSE(lockList_.HasKey(kLockSection, "2020/02/02"));

  files_.failWrites = false;
  PagePassword password(settings_, Scramble("pw", true));
  ASSERT_TRUE(ToggleLocks(lockList_, password, "2020", {"02/02"}, Answers()).ok());
  files_.failWrites = true;
  answers_ = {"pw"};
  EXPECT_FALSE(ToggleLocks(lockList_, password, "2020", {"02/02", "02/03"}, Answers()).ok());
  EXPECT_TRUE(lockList_.HasKey(kLockSection, "2020/02/02"));
  EXPECT_FALSE(lockList_.HasKey(kLockSection, "2020/02/03"));
  EXPECT_FALSE(SetPageLock(lockList_, password, "2020", "02/02", false, "pw").ok());
  EXPECT_TRUE(lockList_.HasKey(kLockSection, "2020/02/02"));
}

TEST_F(PageLockTest, ChangingThePasswordNeedsTheCurrentOne) {
  PagePassword password(settings_, Scramble("old", true));
  int pauses = 0;
  answers_ = {"wrong", "new"};
  Result<bool> refused = ChangePassword(password, Answers(), [&] { ++pauses; });
  ASSERT_TRUE(refused.ok());
  EXPECT_FALSE(refused.value());
  EXPECT_EQ(pauses, 0);
  EXPECT_TRUE(password.Matches("old"));

  answers_ = {"old", "new"};
  Result<bool> changed = ChangePassword(password, Answers(), [&] { ++pauses; });
  ASSERT_TRUE(changed.ok());
  EXPECT_TRUE(changed.value());
  EXPECT_EQ(pauses, 1);
  EXPECT_TRUE(PagePassword(settings_, StoredValue()).Matches("new"));
}

}  // namespace
}  // namespace lumidex
