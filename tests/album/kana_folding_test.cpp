#include "album/kana_folding.h"

#include <gtest/gtest.h>

#include "album/search_match.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

std::string Utf8(char32_t c) {
  std::string text;
  AppendUtf8(text, c);
  return text;
}

TEST(KanaFoldingTest, EveryKanaFoldsAndComesBack) {
  for (char32_t c = 0x3041; c <= 0x3096; ++c) {  // every hiragana
    const std::string hiragana = Utf8(c);
    const std::string katakana = HiraganaToKatakana(hiragana);
    EXPECT_EQ(katakana, Utf8(c + 0x60));
    EXPECT_EQ(KatakanaToHiragana(katakana), hiragana);
    // Through half-width katakana, where the kana has a half-width form
    // (small ゎ, ゕ, ゖ have none and stay as they are).
    const std::string half = HiraganaToHalfKatakana(hiragana);
    EXPECT_EQ(HalfKatakanaToHiragana(half), hiragana) << std::hex << static_cast<unsigned>(c);
    EXPECT_EQ(ToFullWidth(half), half == hiragana ? hiragana : katakana);
  }
  for (char32_t c = 0xFF66; c <= 0xFF9D; ++c) {  // every half-width kana letter
    const std::string half = Utf8(c);
    EXPECT_EQ(ToHalfWidth(ToFullWidth(half)), half) << std::hex << static_cast<unsigned>(c);
    EXPECT_EQ(HiraganaToHalfKatakana(HalfKatakanaToHiragana(half)), half);
  }
  // Voiced and semi-voiced marks join and split.
  EXPECT_EQ(ToFullWidth("ｶﾞｷﾞｸﾞﾊﾟﾋﾟﾌﾟｳﾞﾏﾞ"), "ガギグパピプヴマ゛");
  EXPECT_EQ(ToHalfWidth("ガザダバパヴ"), "ｶﾞｻﾞﾀﾞﾊﾞﾊﾟｳﾞ");
  EXPECT_EQ(HalfKatakanaToHiragana("ﾊﾞｽﾃﾞｰ"), "ばすでー");
  // Letters, digits and signs of the two widths, and the spaces.
  EXPECT_EQ(ToHalfWidth("ＩＭＧ＿０１　ｘ！"), "IMG_01 x!");
  EXPECT_EQ(ToFullWidth("IMG_01 x!"), "ＩＭＧ＿０１　ｘ！");
  EXPECT_EQ(LowerLatin("ABCＡＢＣ漢"), "abcａｂｃ漢");
  // Broken UTF-8 becomes U+FFFD instead of stopping.
  EXPECT_EQ(HiraganaToKatakana("\xE3\x81"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(KanaFoldingTest, MatchingFindsEveryVariantOfTheNeedleInAnyCase) {
  const SearchOptions both{true, true};
  const auto sakura = NeedleVariants("さくら", both);
  EXPECT_TRUE(Matches("/photos/サクラ.jpg", sakura));
  EXPECT_TRUE(Matches("/photos/ｻｸﾗ.jpg", sakura));
  EXPECT_FALSE(Matches("/photos/サクラ.jpg", NeedleVariants("さくら", {})));
  EXPECT_TRUE(Matches("/photos/さくら.jpg", NeedleVariants("ｻｸﾗ", {false, true})));
  // Each variant is lower-cased: a full-width needle finds a capital name.
  EXPECT_TRUE(Matches("/photos/IMG_0001.JPG", NeedleVariants("ｉｍｇ", {true, false})));
  EXPECT_TRUE(Matches("/photos/ＩＭＧ.jpg", NeedleVariants("img", {true, false})));
  EXPECT_FALSE(Matches("anything", NeedleVariants("", both)));
  EXPECT_TRUE(Matches(std::string(10000, 'a'), NeedleVariants(std::string(10000, 'A'), both)));
}

TEST(KanaFoldingTest, TheListSearchGoesToTheEndWithoutWrapping) {
  const std::vector<std::string> lines = {"/a/IMG_1.jpg=", "/a/x.jpg=img in the comment", "/a/y.jpg="};
  const auto img = NeedleVariants("img", {});
  EXPECT_EQ(FindNextEntry(lines, 0, img), 0u);
  EXPECT_EQ(FindNextEntry(lines, 1, img), 1u);
  EXPECT_EQ(FindNextEntry(lines, 2, img), std::nullopt);
  EXPECT_EQ(FindNextEntry(lines, 3, img), std::nullopt);  // after the last line: not found
  EXPECT_EQ(FindNextEntry(lines, 9, img), 0u);            // the list shrank: from the top
}

}  // namespace
}  // namespace lumidex
