#include "mainwindow/error_text.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

TEST(ErrorReportTextTest, JapaneseMessageGetsATrailingFullStop) {
  EXPECT_EQ(ErrorReportText("ファイル /a/b.ini を作成できません"), "ファイル /a/b.ini を作成できません.");
}

TEST(ErrorReportTextTest, TextEndingInFullStopOrExclamationIsLeftAlone) {
  EXPECT_EQ(ErrorReportText("Out of memory."), "Out of memory.");
  EXPECT_EQ(ErrorReportText("Stop!"), "Stop!");
  // "," and "-" order before "." too.
  EXPECT_EQ(ErrorReportText("a,"), "a,");
  EXPECT_EQ(ErrorReportText("a-"), "a-");
}

TEST(ErrorReportTextTest, LettersDigitsAndSlashOrderAfterTheFullStop) {
  EXPECT_EQ(ErrorReportText("disk full"), "disk full.");
  EXPECT_EQ(ErrorReportText("code 7"), "code 7.");
  EXPECT_EQ(ErrorReportText("/tmp/"), "/tmp/.");
}

TEST(ErrorReportTextTest, HalfWidthKatakanaCountsAsOneCharacterAfterTheFullStop) {
  EXPECT_EQ(ErrorReportText("ｴﾗｰ"), "ｴﾗｰ.");
}

TEST(ErrorReportTextTest, EmptyTextStaysEmpty) { EXPECT_EQ(ErrorReportText(""), ""); }

}  // namespace
}  // namespace lumidex
