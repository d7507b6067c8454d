#include <sys/stat.h>
#include <unistd.h>

#include "album/album_list_delete.h"
#include "album_fixture.h"
#include "foundation/file_paths.h"
#include "foundation/ini_line.h"

namespace lumidex {
namespace {

using testing::AlbumTest;

AlbumListRow Row(const std::string& text, const std::string& date) {
  AlbumListRow row;
  row.text = text;
  row.date = date;
  return row;
}

AlbumListRow PageRow(const std::string& date) { return Row(date.substr(5) + " （1枚）", date); }

AlbumListRow SubAlbumRow(const std::string& date, const std::string& name) {
  AlbumListRow row = Row(date + " > " + name, date);
  row.subAlbum = name;
  return row;
}

AlbumListRow FileRow(const std::string& date, const std::string& file, const std::string& subAlbum = "") {
  AlbumListRow row = Row(date.substr(5) + " > " + file, date);
  row.path = row.entry = file;
  row.subAlbum = subAlbum;
  return row;
}

AlbumListRow YearRow(const std::string& year) {
  AlbumListRow row = Row(year + "年 （1枚）", "");
  row.year = year;
  return row;
}

// 2014 is shown; 2012 is another year. 03/15 is used in both years, 05/05
// only in 2012, 07/07 only in 2014 (with a chosen cover file), and 09/09 is
// a fresh page no year has filled yet.
class AlbumListDeleteTest : public AlbumTest {
 protected:
  void SetUp() override {
    WriteAlbum(IndexPath(), "[DATA]\n03/15=.alb\n05/05=.alb\n07/07=/pics/cover.jpg\n09/09=.alb\n");
    WriteAlbum(LockPath(), "[LCK]\n2012/05/05=\n2014/03/15=\n");
    WriteAlbum(YearPath("2012"), "[03/15]\n/p/a.jpg=\n[05/05]\n/p/b.jpg=\n/p/c.jpg=古い\n");
    WriteAlbum(YearPath("2014"), "[03/15]\n/p/d.jpg=\n@03/15旅行=\n[07/07]\n/p/e.jpg=\n");
    WriteAlbum(SubPath("2014"), "[03/15旅行]\n/p/f.jpg=\n/p/g.jpg=\n");
    OpenYear("2014");
  }

  // A saved document's lines, one "\n" after each (saves end lines with
  // CR LF and put a blank line after each section).
  std::string Saved(const std::string& path) {
    std::string text;
    for (const std::string& line : SplitLines(ReadAlbum(path))) {
      if (!line.empty()) text += line + "\n";
    }
    return text;
  }
};

TEST_F(AlbumListDeleteTest, AsksWhatTheRowsAre) {
  EXPECT_EQ(AlbumListDeleteQuestion({YearRow("2012")}).message, "2012年のアルバムを削除します。よろしいですか？");
  EXPECT_EQ(AlbumListDeleteQuestion({PageRow("2012/05/05")}).message, "05/05のページを削除します。よろしいですか？");
  EXPECT_EQ(AlbumListDeleteQuestion({SubAlbumRow("2014/03/15", "旅行")}).message,
            "2014/03/15のサブアルバムを削除します。よろしいですか？");
  EXPECT_EQ(AlbumListDeleteQuestion({FileRow("2012/05/05", "/p/b.jpg")}).message,
            "05/05のページから '/p/b.jpg' を削除します。よろしいですか？");
  const DeleteQuestionText several =
      AlbumListDeleteQuestion({FileRow("2012/05/05", "/p/b.jpg"), FileRow("2012/05/05", "/p/c.jpg")});
  EXPECT_EQ(several.message, "2個のファイルを削除します。よろしいですか？");
  EXPECT_EQ(several.caption, "削除確認");
}

TEST_F(AlbumListDeleteTest, RowsOfOtherAndShownYearsLeaveTheirFilesAndOnlyTheirUnusedPages) {
  // The shown year has an unsaved edit: it must reach the file, not be lost.
  store->ChangeYearDocument([](TMemIniFile& doc) { doc.SetValue("03/15", "/p/new.jpg", ""); });
  const std::vector<AlbumListRow> rows = {PageRow("2012/05/05"), SubAlbumRow("2014/03/15", "旅行"),
                                          PageRow("2014/07/07"), FileRow("2014/03/15", "/p/d.jpg")};
  const AlbumListDeletion deletion = DeleteAlbumListRows(*store, rows);
  ASSERT_TRUE(deletion.status.ok()) << deletion.status.message();
  EXPECT_EQ(deletion.deleted, (std::vector<size_t>{0, 1, 2, 3}));

  EXPECT_EQ(Saved(YearPath("2012")), "[03/15]\n/p/a.jpg=\n");
  EXPECT_EQ(Saved(YearPath("2014")), "[03/15]\n/p/new.jpg=\n");
  EXPECT_EQ(Saved(SubPath("2014")), "");
  // The shown year was read again.
  EXPECT_EQ(store->yearDocument().SectionLines("03/15"), std::vector<std::string>{"/p/new.jpg="});
  EXPECT_FALSE(store->yearDocument().HasSection("07/07"));
  // 05/05 went with its only year and its lock; 03/15 is still used in
  // 2012; the chosen cover of 07/07 and the fresh 09/09 stay.
  EXPECT_EQ(Saved(IndexPath()), "[DATA]\n03/15=.alb\n07/07=/pics/cover.jpg\n09/09=.alb\n");
  EXPECT_EQ(Saved(LockPath()), "[LCK]\n2014/03/15=\n");
  EXPECT_TRUE(store->PageUsedInOtherYears("03/15", "2014"));
  EXPECT_FALSE(store->PageUsedInOtherYears("05/05", "2014"));
}

TEST_F(AlbumListDeleteTest, AFileOfASubAlbumLeavesOnlyThatEntry) {
  const AlbumListDeletion deletion = DeleteAlbumListRows(*store, {FileRow("2014/03/15", "/p/f.jpg", "旅行")});
  ASSERT_TRUE(deletion.status.ok());
  EXPECT_EQ(Saved(SubPath("2014")), "[03/15旅行]\n/p/g.jpg=\n");
  EXPECT_EQ(store->subAlbumDocument().SectionLines("03/15旅行"), std::vector<std::string>{"/p/g.jpg="});
}

TEST_F(AlbumListDeleteTest, AYearGoesWithItsSubAlbumsAndLocks) {
  const AlbumListDeletion deletion = DeleteAlbumListRows(*store, {YearRow("2014")});
  ASSERT_TRUE(deletion.status.ok()) << deletion.status.message();
  EXPECT_FALSE(FileExists(YearPath("2014")));
  EXPECT_FALSE(FileExists(SubPath("2014")));
  EXPECT_EQ(store->yearIndex().YearFiles(), std::vector<std::string>{"2012.ini"});
  EXPECT_FALSE(store->yearDocument().HasSection("03/15"));
  // Its pages with an automatic cover that no year uses leave the index;
  // 07/07 has a chosen cover and stays.
  EXPECT_EQ(Saved(IndexPath()), "[DATA]\n03/15=.alb\n05/05=.alb\n07/07=/pics/cover.jpg\n09/09=.alb\n");
  EXPECT_EQ(Saved(LockPath()), "[LCK]\n2012/05/05=\n");
}

TEST_F(AlbumListDeleteTest, AYearThatCannotBeReadIsNeverWritten) {
  // A year document that is not a regular file cannot be read.
  ASSERT_EQ(::unlink(YearPath("2012").c_str()), 0);
  ASSERT_EQ(::mkfifo(YearPath("2012").c_str(), 0644), 0);
  const AlbumListDeletion deletion =
      DeleteAlbumListRows(*store, {FileRow("2012/05/05", "/p/b.jpg"), FileRow("2014/07/07", "/p/e.jpg")});
  EXPECT_FALSE(deletion.status.ok());
  EXPECT_EQ(deletion.deleted, std::vector<size_t>{1});
  struct stat info {};
  ASSERT_EQ(::stat(YearPath("2012").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  EXPECT_FALSE(store->yearDocument().HasSection("07/07"));
}

}  // namespace
}  // namespace lumidex
