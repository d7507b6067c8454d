#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>

#include "freelayout/free_layout_key.h"
#include "freelayout/layout_units.h"
#include "freelayout/text_spec.h"

namespace lumidex {
namespace {

FreeLayoutItem Item(int x, int y, int width, int height) {
  FreeLayoutItem item;
  item.x = x;
  item.y = y;
  item.width = width;
  item.height = height;
  return item;
}

TEST(FreeLayoutKeyTest, BuildsTheKeyFieldByFieldAndReadsItBack) {
  FreeLayoutItem item = Item(120, 80, 160, 50);
  item.framed = item.textShadow = true;
  item.rotation = 0x1A3;  // only the low byte is stored
  item.value = "10000000FFFFFF808080000000one\r\ntwo";
  const std::string line = BuildItemLine(item, 3, 2);
  EXPECT_EQ(line, "03" "0120" "0080" "0160" "0050" "10" "A3" "00002"
                  "=10000000FFFFFF808080000000one\xEF\xBD\xA5\xEF\xBD\xA5two");

  Result<FreeLayoutItem> read = ParseItemLine(line);
  ASSERT_TRUE(read.ok()) << read.status().message();
  EXPECT_EQ(read.value().tab, 3);
  EXPECT_EQ(read.value().x, 120);
  EXPECT_EQ(read.value().height, 50);
  EXPECT_EQ(read.value().Flags(), 10);
  EXPECT_EQ(read.value().rotation, 0xA3);
  EXPECT_EQ(read.value().reserved, 2);
  EXPECT_EQ(read.value().value, item.value);
}

TEST(FreeLayoutKeyTest, ClampsWhatItsFieldsCannotHoldSoTheKeyKeepsItsLength) {
  const std::string key = BuildItemKey(Item(-5, 10000, 12345, 7), 120);
  EXPECT_EQ(key.size(), kItemKeyLength);
  EXPECT_EQ(key.substr(0, 18), "99" "0000" "9999" "9999" "0007");
}

TEST(FreeLayoutKeyTest, ReadsLenientTailFieldsButRefusesUnreadablePositions) {
  // The 28-character form, lower-case hex and a key cut after its rotation.
  auto longKey = ParseItemLine("0001200080016000500000000000=x");
  ASSERT_TRUE(longKey.ok());
  EXPECT_EQ(longKey.value().x, 120);
  EXPECT_EQ(ParseItemLine("000000000000000000010a=x").value().rotation, 10);
  auto badTail = ParseItemLine("000000000000000000xxzz0000=x");
  ASSERT_TRUE(badTail.ok());
  EXPECT_EQ(badTail.value().Flags(), 0);
  EXPECT_EQ(badTail.value().rotation, 0);

  EXPECT_FALSE(ParseItemLine("0000a0000000000000000000000=x").ok());
  EXPECT_FALSE(ParseItemLine("00000000000000000=x").ok());  // 17 characters
  EXPECT_FALSE(ParseItemLine("000000000000000000000000000").ok());  // no "="
  const std::string hugeKey(10 << 20, 'k');
  auto huge = ParseItemLine(hugeKey + "=x");
  ASSERT_FALSE(huge.ok());
  EXPECT_LT(huge.status().message().size(), 200u);
}

TEST(FreeLayoutKeyTest, TellsPicturePathsFromTexts) {
  EXPECT_TRUE(IsPicturePathValue("/home/a.jpg"));
  EXPECT_TRUE(IsPicturePathValue("C:\\photo\\a.jpg"));
  EXPECT_TRUE(IsPicturePathValue("\\\\server\\a.jpg"));
  EXPECT_FALSE(IsPicturePathValue("10000000FFFFFF808080000000C:\\"));
  EXPECT_FALSE(IsPicturePathValue(""));
}

TEST(TextSpecTest, ReadsEitherCaseWritesUpperCaseAndRoundTrips) {
  Result<TextSpec> textSpec = ParseTextSpec("12a0b0c0ffffff80808003050" "7TEXT\r\nline");
  ASSERT_TRUE(textSpec.ok());
  EXPECT_EQ(textSpec.value().fontSize, 12);
  EXPECT_EQ(textSpec.value().textColour, 0xA0B0C0u);
  EXPECT_EQ(textSpec.value().backColour, 0xFFFFFFu);
  EXPECT_EQ(textSpec.value().cornerRadius, 3);
  EXPECT_EQ(textSpec.value().centred, 5);
  EXPECT_EQ(textSpec.value().margin, 7);
  EXPECT_EQ(textSpec.value().text, "TEXT\r\nline");
  EXPECT_EQ(FormatTextSpec(textSpec.value()), "12A0B0C0FFFFFF808080030507TEXT\r\nline");
  EXPECT_EQ(ParseTextSpec(FormatTextSpec(textSpec.value())).value(), textSpec.value());
}

TEST(TextSpecTest, GarbageFieldsTakeDefaultsAndOnlyAnUnreadableSizeFails) {
  Result<TextSpec> textSpec = ParseTextSpec("08zzzzzz123456" "ありがとうございます、、" "ありがとう");
  ASSERT_TRUE(textSpec.ok());
  EXPECT_EQ(textSpec.value().fontSize, 8);
  EXPECT_EQ(textSpec.value().textColour, 0u);
  EXPECT_EQ(textSpec.value().frameColour, 0x808080u);
  // Fields are counted in characters: the text never starts inside one.
  EXPECT_EQ(textSpec.value().text, "ありがとう");
  EXPECT_EQ(ParseTextSpec("08").value().text, "");
  EXPECT_FALSE(ParseTextSpec("x8000000").ok());
  EXPECT_FALSE(ParseTextSpec("").ok());

  TextSpec large;
  large.fontSize = 150;
  large.backColour = 0xFF123456;
  EXPECT_EQ(FormatTextSpec(large).substr(0, 14), "99000000123456");
}

TEST(LayoutScaleTest, TruncatesWithTheFactorFormedFirst) {
  const LayoutScale half(365, 182);
  EXPECT_EQ(half.UnitsToPixelsX(101), 50);
  EXPECT_EQ(half.PixelsToUnitsX(50), 100);
  const LayoutScale tall(730, 365);
  EXPECT_EQ(tall.UnitsToPixelsY(80), 80);
  EXPECT_EQ(tall.PixelsToUnitsY(80), 79);
  EXPECT_EQ(tall.PixelsToUnitsX(-7), -7);  // toward zero, not down

  const LayoutScale none(0, 0);
  EXPECT_EQ(none.PixelsToUnitsX(100), 0);
  EXPECT_EQ(LayoutScale(1, 1).PixelsToUnitsY(INT_MAX), INT_MAX);
}

TEST(LayoutScaleTest, AnEditConvertsOnlyTheFieldsWhosePixelsChanged) {
  const LayoutScale tall(730, 365);
  FreeLayoutItem item = Item(101, 80, 200, 80);
  ApplyPixelRect(item, ItemPixelRect(item, tall), tall);
  EXPECT_EQ(item.y, 80);  // shown at 80 px, which alone would read back as 79
  EXPECT_EQ(item.height, 80);

  CanvasRect moved = ItemPixelRect(item, tall);
  moved.left += 1;
  moved.height = 100;  // a rotated picture's unrotated height
  ApplyPixelRect(item, moved, tall);
  EXPECT_EQ(item.x, 102);
  EXPECT_EQ(item.y, 80);
  EXPECT_EQ(item.width, 200);
  EXPECT_EQ(item.height, tall.PixelsToUnitsY(100));
  EXPECT_EQ(item.baseHeight, 100);

  // Dragging one pixel and back on a half-size canvas keeps the stored x.
  const LayoutScale half(365, 182);
  FreeLayoutItem dragged = Item(101, 0, 10, 10);
  CanvasRect rect = ItemPixelRect(dragged, half);
  rect.left += 1;
  rect.left -= 1;
  ApplyPixelRect(dragged, rect, half);
  EXPECT_EQ(dragged.x, 101);
}

}  // namespace
}  // namespace lumidex
