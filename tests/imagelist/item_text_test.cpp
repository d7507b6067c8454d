#include "imagelist/item_text.h"

#include <gtest/gtest.h>

#include "album/album_text.h"

namespace lumidex {
namespace {

const std::string kBreak(kStoredLineBreak);

TEST(ItemTextTest, CaptionIsTheCommentsFirstLineWithTheMark) {
  EXPECT_EQ(FileItemCaption("/p/a.jpg", "海" + kBreak + "二行目", nullptr, false),
            (ItemCaption{"海", true}));
}

TEST(ItemTextTest, CaptionWithoutCommentIsTheFileName) {
  ALBDATA record;
  record.exists = 1;
  EXPECT_EQ(FileItemCaption("/p/a.jpg", "", &record, false), (ItemCaption{"a.jpg", false}));
  EXPECT_EQ(FileItemCaption("C:\\old\\b.jpg", "", nullptr, false), (ItemCaption{"b.jpg", false}));
}

TEST(ItemTextTest, MissingFileShowsTheUnknownPrefixExceptWithDates) {
  ALBDATA record;
  record.exists = 0;
  EXPECT_EQ(FileItemCaption("/gone/a.jpg", "", &record, false).text, "不明 > a.jpg");
  EXPECT_EQ(FileItemCaption("/gone/a.jpg", "", &record, true).text, "a.jpg");
}

TEST(ItemTextTest, DatesButtonShowsTheFileDate) {
  ALBDATA record;
  record.exists = 1;
  record.dateText = "2024/05/01 10:20:30";
  EXPECT_EQ(FileItemCaption("/p/a.jpg", "c", &record, true), (ItemCaption{record.dateText, false}));
}

TEST(ItemTextTest, CaptionIsCutAtTheFirstStoredBreak) {
  EXPECT_EQ(FirstCommentLine("一" + kBreak + "二"), "一");
  EXPECT_EQ(FirstCommentLine("一行"), "一行");
  EXPECT_EQ(FileItemCaption("/p/a.jpg", kBreak + "二", nullptr, false),
            (ItemCaption{"a.jpg", false}));
}

TEST(ItemTextTest, FreeLayoutHeadingPrefixesThePageTitle) {
  EXPECT_EQ(FreeLayoutHeading("3月5日のページ"), "日付で配置 > 3月5日のページ");
}

}  // namespace
}  // namespace lumidex
