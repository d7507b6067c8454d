#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "foundation/message_format.h"
#include "foundation/text_codec.h"
#include "foundation/text_compare.h"

namespace lumidex {
namespace {

TEST(TextCodecTest, Cp932KeepsBackslashTildeAndTheCommentBreak) {
  EXPECT_EQ(DecodeCp932("C:\\a~b"), "C:\\a~b");
  EXPECT_EQ(DecodeCp932("\xA5\xA5"), "･･");
  EXPECT_EQ(EncodeCp932Exact("･･"), std::optional<std::string>("\xA5\xA5"));
  EXPECT_EQ(EncodeCp932Exact("ソ"), std::optional<std::string>("\x83\x5C"));
}

TEST(TextCodecTest, TextWithoutAnExactCp932FormIsRefused) {
  EXPECT_FALSE(EncodeCp932Exact("〜").has_value());  // U+301C comes back as U+FF5E
  EXPECT_FALSE(EncodeCp932Exact("¥").has_value());
  EXPECT_FALSE(EncodeCp932Exact("😀").has_value());
  EXPECT_TRUE(EncodeCp932Exact("～").has_value());  // U+FF5E itself is fine
}

TEST(TextCodecTest, UndecodableBytesRoundTripThroughEitherEncoding) {
  const std::string bytes("\x80\x81\x7F\xA0\xFD\xFE\xFF\x82", 8);
  const std::string text = DecodeCp932(bytes);
  EXPECT_EQ(EncodeCp932Exact(text), std::optional<std::string>(bytes));
  const std::string utf8Bytes("ok\xC3(\xE2\x82", 6);
  EXPECT_EQ(EncodeUtf8Raw(DecodeUtf8Lossless(utf8Bytes)), utf8Bytes);
}

TEST(TextCodecTest, AlbumFileRule) {
  EXPECT_EQ(DecodeAlbumFile("\xEF\xBB\xBF〜"), "〜");
  EXPECT_EQ(DecodeAlbumFile("\x82\xA0"), "あ");
  EXPECT_EQ(EncodeAlbumFile("あ"), "\x82\xA0");
  EXPECT_EQ(EncodeAlbumFile("〜"), std::string(kUtf8Bom) + "〜");
}

TEST(TextCodecTest, RawBytesThatWouldJoinIntoAUtf8CharacterStillRoundTrip) {
  // E5 B0 97 as three undecodable bytes of a UTF-8 file, beside "〜" which
  // forces UTF-8 output: written raw they would read back as one kanji.
  const std::string text = DecodeUtf8Lossless("\xE5\x80\xE5") + "〜" +
                           DecodeUtf8Lossless("\xE5\xE5") + DecodeUtf8Lossless("\xB0\x97");
  EXPECT_EQ(DecodeAlbumFile(EncodeAlbumFile(text)), text);
}

TEST(TextCodecTest, EditedFileRuleTakesValidUtf8WithNonAsciiBytesAsUtf8) {
  EXPECT_EQ(DecodeEditedFile("元日"), "元日");
  EXPECT_EQ(DecodeEditedFile("\x8C\xB3\x93\xFA"), "元日");  // cp932
  EXPECT_EQ(DecodeEditedFile("\xEF\xBB\xBF" "abc"), "abc");
  EXPECT_EQ(DecodeEditedFile("plain"), "plain");
}

TEST(TextCodecTest, Cp932WidthsNeverSplitACharacter) {
  EXPECT_EQ(Cp932Width("aあｱ"), 4u);
  EXPECT_EQ(Cp932Prefix("春分の日", 5), "春分");
  EXPECT_EQ(Cp932Prefix("aあい", 2), "a");
  EXPECT_EQ(Cp932Prefix("ｱｲｳ", 2), "ｱｲ");
}

TEST(TextCompareTest, CaseOfAsciiLettersOnly) {
  EXPECT_TRUE(EqualsNoCase("ABC.jpg", "abc.JPG"));
  EXPECT_FALSE(EqualsNoCase("Ａ", "ａ"));
  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
}

TEST(TextCompareTest, OrdersByCp932Codes) {
  std::vector<std::string> names = {"あ", "Ａ", "ア", "b", "ｱ", "亜", "A"};
  std::sort(names.begin(), names.end(), TextLess());
  // ASCII, half-width kana (A1-DF), full-width Latin (8260), hiragana (82A0),
  // katakana (8341), kanji (889F).
  EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "ｱ", "Ａ", "あ", "ア", "亜"}));
  EXPECT_LT(CompareText("Z", "あ"), 0);
  EXPECT_LT(CompareText("あ", "😀"), 0);
}

TEST(MessageFormatTest, FillsDirectivesInTurn) {
  EXPECT_EQ(FormatMessage("ファイル %s は開けません", {"/a b"}), "ファイル /a b は開けません");
  EXPECT_EQ(FormatMessage("%d枚 %s %%", {"3", "x"}), "3枚 x %");
  EXPECT_EQ(FormatMessage("%s and %s", {"one"}), "one and %s");
  EXPECT_EQ(WithThousandsSeparators(0), "0");
  EXPECT_EQ(WithThousandsSeparators(999), "999");
  EXPECT_EQ(WithThousandsSeparators(1234567), "1,234,567");
  EXPECT_EQ(WithThousandsSeparators(-1000), "-1,000");
}

}  // namespace
}  // namespace lumidex
