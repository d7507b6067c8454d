#include "imagelist/item_text.h"

#include <gtest/gtest.h>

namespace lumidex {
namespace {

const std::string kBreak(kCommentBreak);

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

TEST(ItemTextTest, CommentBreaksBecomeLineBreaksAndBack) {
  const std::string stored = "一" + kBreak + "二" + kBreak;
  EXPECT_EQ(CommentForDisplay(stored), "一\n二\n");
  EXPECT_EQ(CommentFromEditor("一\r\n二\n三\r四"), "一" + kBreak + "二" + kBreak + "三" + kBreak + "四");
  EXPECT_EQ(CommentFromEditor(CommentForDisplay(stored)), stored);
}

TEST(ItemTextTest, SubAlbumNameStartsAtTheSeventhCharacter) {
  EXPECT_EQ(SubAlbumNameOf("@03/15旅行"), "旅行");
  EXPECT_EQ(SubAlbumNameOf("@03/15"), "");
}

TEST(ItemTextTest, HeadingIsThePageOrSubAlbumTitle) {
  EXPECT_EQ(ContainerHeading("03/05", ""), "3月5日のページ");
  EXPECT_EQ(ContainerHeading("12/25旅行", "旅行"), "12月25日の旅行");
  EXPECT_EQ(ContainerHeading("02/29", ""), "2月29日のページ");
}

TEST(ItemTextTest, HeadingOfAnUnreadableDateIsDateUnknown) {
  EXPECT_EQ(ContainerHeading("13/01", ""), "日付不明");
  EXPECT_EQ(ContainerHeading("02/30", ""), "日付不明");
  EXPECT_EQ(ContainerHeading("3/5", ""), "日付不明");
  EXPECT_EQ(ContainerHeading("", ""), "日付不明");
}

TEST(ItemTextTest, FreeLayoutHeadingPrefixesThePageTitle) {
  EXPECT_EQ(FreeLayoutHeading("3月5日のページ"), "日付で配置 > 3月5日のページ");
}

}  // namespace
}  // namespace lumidex
