#include <gtest/gtest.h>

#include "album/album_path.h"
#include "album/album_text.h"
#include "album/delete_question.h"
#include "album/short_path_text.h"
#include "album/year_counts.h"
#include "foundation/ini_line.h"
#include "foundation/text_codec.h"

namespace lumidex {
namespace {

TEST(AlbumTextTest, TitlesDropLeadingZerosAndUnreadableDatesAreUnknown) {
  EXPECT_EQ(PageTitle("03/05"), "3月5日のページ");
  EXPECT_EQ(PageTitle("12/31"), "12月31日のページ");
  EXPECT_EQ(SubAlbumTitle("03/15旅行"), "3月15日の旅行");
  EXPECT_EQ(PageTitle("ab/cd"), "日付不明");
  EXPECT_EQ(PageTitle("13/01"), "日付不明");
  EXPECT_EQ(SubAlbumTitle("x"), "日付不明");
}

TEST(AlbumTextTest, OnlyPageKeysFollowedByEqualsArePageLines) {
  EXPECT_TRUE(IsPageLine("03/15=.alb"));
  EXPECT_TRUE(IsPageLine("03/15="));
  EXPECT_FALSE(IsPageLine("03/15"));
  EXPECT_FALSE(IsPageLine("3/15=.alb"));
  EXPECT_FALSE(IsPageLine("03-15=.alb"));
}

TEST(AlbumTextTest, CommentWithTwoLineBreaksIsStoredOnOneLineAndComesBack) {
  const std::string stored = StoredComment("一\r\n二\r\n三");
  EXPECT_EQ(stored, "一･･二･･三");
  EXPECT_EQ(DisplayedComment(stored), "一\r\n二\r\n三");
  EXPECT_EQ(StoredComment("a\n\nb"), "a････b");
  EXPECT_EQ(StoredComment("a\u2029b\rc"), "a･･b･･c");
  // Other control characters cannot end a line of the file and stay; NUL
  // would vanish at the next load and is dropped at once.
  const std::string controls("a\tb\x0B\x1F\x7F\0c", 8);
  EXPECT_EQ(StoredComment(controls), controls.substr(0, 6) + "c");
}

TEST(AlbumTextTest, EntryLinesWithoutEqualsAreNamedByTheWholeLine) {
  EXPECT_EQ(EntryNameOf("/p/a.jpg=x=y"), "/p/a.jpg");
  EXPECT_EQ(EntryCommentOf("/p/a.jpg=x=y"), "x=y");
  EXPECT_EQ(EntryNameOf("/p/bare.jpg"), "/p/bare.jpg");
  EXPECT_EQ(EntryCommentOf("/p/bare.jpg"), "");
}

TEST(AlbumPathTest, SplitsPathsOfBothForms) {
  EXPECT_EQ(FolderPartOf("/a/b/c.JPG"), "/a/b/");
  EXPECT_EQ(StemOf("/a/b/c.d.JPG"), "c.d");
  EXPECT_EQ(ExtensionAsWritten("/a/b/c.d.JPG"), ".JPG");
  EXPECT_EQ(FolderPartOf("C:\\写真\\x.jpg"), "C:\\写真\\");
  EXPECT_EQ(FileNameOf("\\\\srv\\share\\x.jpg"), "x.jpg");
  EXPECT_EQ(ExtensionAsWritten("/a.b/c"), "");
}

TEST(ShortPathTextTest, CountsFolderLevelsBelowTheRoot) {
  EXPECT_EQ(ShortPathText("/home/u/photos/2014", true), "/....[ 2014 ]");
  EXPECT_EQ(ShortPathText("/home/u/photos/2014/", true), "/....[ 2014 ]");
  EXPECT_EQ(ShortPathText("C:\\a\\b\\c\\2014", true), "C:\\....[ 2014 ]");
  EXPECT_EQ(ShortPathText("\\\\srv\\share\\2014", true), "\\\\...[ 2014 ]");
}

TEST(ShortPathTextTest, AFilePathLosesItsNameAndAFolderWithADotKeepsIt) {
  EXPECT_EQ(ShortPathText("/home/u/a.jpg", false), "/..[ u ]");
  EXPECT_EQ(ShortPathText("/home/u/v1.2", true), "/...[ v1.2 ]");
  EXPECT_EQ(ShortPathText("/a.jpg", false), "/a.jpg");
  EXPECT_EQ(ShortPathText("/", true), "/");
}

TEST(ShortPathTextTest, CountsAtMostThirtyLevels) {
  std::string deep;
  for (int i = 0; i < 40; ++i) deep += "/d" + std::to_string(i);
  EXPECT_EQ(ShortPathText(deep, true), "/" + std::string(30, '.') + "[ d39 ]");
}

TEST(DeleteQuestionTest, MessageAndCaptionFollowTheKind) {
  const DeleteQuestionText album = DeleteQuestion(DeleteKind::kAlbumImage, EntriesDeleteTarget(1));
  EXPECT_EQ(album.message, "アルバムからアルバムの画像を削除してもよろしいですか？");
  EXPECT_EQ(album.caption, "アルバムの画像の削除確認");
  const DeleteQuestionText sub = DeleteQuestion(DeleteKind::kSubAlbum, SubAlbumDeleteTarget("海"));
  EXPECT_EQ(sub.message, "サブアルバムの '海' を削除してもよろしいですか？");
  EXPECT_EQ(sub.caption, "サブアルバムの削除確認");
}

TEST(YearCountsTest, CountsPlainLinesAndFormatsTheYearListText) {
  const YearCounts counts = CountYearTexts("[03/15]\r\n/a=\r\n/b=\r\n@03/15x=\r\n\r\n[04/01]\r\n/c\r\n",
                                           "[03/15x]\r\n/d=\r\n/e=\r\n");
  EXPECT_EQ(counts.fileEntries, 3);
  EXPECT_EQ(counts.subAlbumReferences, 1);
  EXPECT_EQ(counts.subAlbumFiles, 2);
  EXPECT_EQ(YearListText("2014", counts), "2014年 （3枚） （1冊 - 2枚）");
  EXPECT_EQ(YearListText("2015", {12345, 0, 0}), "2015年 （12,345枚）");
  EXPECT_EQ(YearListText("2016", {0, 1234, 5678}), "2016年 （0枚） （1234冊 - 5,678枚）");
}

TEST(YearCountsTest, TheBytesOfADocumentCountAsItsLoadedLines) {
  // CR alone, LF alone, an empty line, a line of NUL, a line whose first
  // character has the trail byte "[" (ー is 81 5B), a line that is "["
  // after its NUL is dropped.
  const std::string text = std::string("[03/15]\r/a=\nー[x]=\r\n\r\n@03/15x=\r\n") + '\0' + "\r\n" + '\0' +
                           "[04/01]\n/c\n";
  const std::string bytes = EncodeCp932Exact(text).value();
  long long loaded = 0, references = 0;
  for (const std::string& line : SplitLines(text)) {
    if (!line.empty() && line[0] != '[') ++(line[0] == '@' ? references : loaded);
  }
  const YearCounts fromBytes = CountYearTexts(bytes, bytes);
  EXPECT_EQ(fromBytes.fileEntries, loaded);
  EXPECT_EQ(fromBytes.subAlbumReferences, references);
  EXPECT_EQ(fromBytes.subAlbumFiles, loaded + references);
  EXPECT_EQ(CountYearTexts(text, "").fileEntries, loaded);
  EXPECT_GT(loaded, 0);
}

}  // namespace
}  // namespace lumidex
