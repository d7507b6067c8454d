#include <gtest/gtest.h>

#include "imagelist/detail_rename.h"
#include "imagelist/detail_rows.h"
#include "support/temp_home.h"

namespace lumidex {
namespace {

std::vector<std::string> Captions(const std::vector<DetailRow>& rows) {
  std::vector<std::string> captions;
  for (const auto& row : rows) captions.push_back(row.caption);
  return captions;
}

class DetailRowsTest : public ::testing::Test {
 protected:
  testing::TempHome home;

  // Files b.jpg (3 KB, 2014), a.png (1 KB, 2016), c.jpg (1 KB, 2012) and the
  // sub-album 旅行 between them; the page lists them in that order.
  std::vector<DetailRow> SampleRows() {
    WriteSized("b.jpg", 3 * 1024, 2014);
    WriteSized("a.png", 1024, 2016);
    WriteSized("c.jpg", 1024 + 10, 2012);
    const std::vector<std::string> lines = {Path("b.jpg") + "=", "@03/15旅行=", Path("a.png") + "=x",
                                            Path("c.jpg") + "="};
    return DetailRowsOf(lines, "03/15", [](std::string_view) { return 4; });
  }
  std::string Path(const std::string& name) const { return home.Join(name); }
  void WriteSized(const std::string& name, size_t bytes, int year) {
    testing::WriteFile(Path(name), std::string(bytes, 'x'));
    testing::SetNoonOf(Path(name), year, 5, 1);
  }
};

TEST_F(DetailRowsTest, RowsComeFromTheLinesAndFillFromTheFiles) {
  std::vector<DetailRow> rows = SampleRows();
  rows.push_back(DetailRowsOf({"/nowhere/gone.jpg="}, "03/15", nullptr).front());
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_TRUE(rows[1].isSubAlbum);
  EXPECT_EQ(rows[1].caption, "旅行");
  EXPECT_EQ(DetailCellText(rows[1], kFilesColumn), "4");
  EXPECT_FALSE(rows[0].filled);
  for (auto& row : rows) FillDetailRow(row, ExtensionTypeName, false);
  EXPECT_EQ(DetailCellText(rows[0], kSizeColumn), "3 KB");
  EXPECT_EQ(DetailCellText(rows[2], kTypeColumn), "png ファイル");
  EXPECT_EQ(rows[2].dateText, "2016/05/01 12:00");
  EXPECT_EQ(rows[1].typeName, "サブアルバム");
  // A missing file is filled too (no second attempt), with no size or date.
  EXPECT_TRUE(rows[4].filled);
  EXPECT_EQ(rows[4].sizeKB, 0);
  EXPECT_EQ(rows[4].dateText, "");
}

TEST_F(DetailRowsTest, MissingAndHiddenFilesAndRowsThatNoLongerMatchTheirLines) {
  testing::WriteFile(Path(".secret.jpg"), "x");
  std::vector<std::string> lines = {Path("gone.jpg") + "=", "@03/15旅行=", Path(".secret.jpg") + "="};
  std::vector<DetailRow> rows = DetailRowsOf(lines, "03/15", nullptr);
  EXPECT_EQ(MissingFileRows(rows), std::vector<size_t>{0});  // the sub-album row is no file
  FillDetailRow(rows[2], nullptr, false);
  EXPECT_TRUE(rows[2].hidden);
  EXPECT_TRUE(DetailRowsMatchLines(rows, lines));
  SortDetailRows(rows, kNameColumn, true);  // order differs, each row keeps its line
  EXPECT_TRUE(DetailRowsMatchLines(rows, lines));
  lines.erase(lines.begin());  // another view deleted the first entry
  EXPECT_FALSE(DetailRowsMatchLines(rows, lines));
}

TEST_F(DetailRowsTest, TypeNamesAreAskedOncePerExtensionExceptOwnIconTypes) {
  int asked = 0;
  TypeNameCache names([&](const std::string& path) {
    ++asked;
    return ExtensionTypeName(path);
  });
  EXPECT_EQ(names("/a/x.JPG"), "JPG ファイル");
  EXPECT_EQ(names("/b/y.jpg"), "JPG ファイル");  // the answer for ".jpg" is kept
  EXPECT_EQ(asked, 1);
  names("/a/one.ico");
  names("/a/two.ico");
  EXPECT_EQ(asked, 3);
}

TEST_F(DetailRowsTest, SortingPutsSubAlbumsFirstByNameAndReversesOnTheSecondClick) {
  std::vector<DetailRow> rows = SampleRows();
  DetailSortState sort;
  sort.RowsLoaded();
  EXPECT_FALSE(sort.NeedsFill(kNameColumn));
  ASSERT_TRUE(sort.NeedsFill(kDateColumn));
  for (auto& row : rows) FillDetailRow(row, ExtensionTypeName, false);
  sort.MarkFilled();
  EXPECT_FALSE(sort.NeedsFill(kDateColumn));

  SortDetailRows(rows, kNameColumn, sort.Click(kNameColumn));
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"旅行", "a.png", "b.jpg", "c.jpg"}));
  // 更新日: the sub-album has no date and comes first; the second click reverses.
  SortDetailRows(rows, kDateColumn, sort.Click(kDateColumn));
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"旅行", "c.jpg", "b.jpg", "a.png"}));
  SortDetailRows(rows, kDateColumn, sort.Click(kDateColumn));
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"a.png", "b.jpg", "c.jpg", "旅行"}));
  // Equal sizes fall back to the caption.
  SortDetailRows(rows, kSizeColumn, sort.Click(kSizeColumn));
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"旅行", "a.png", "c.jpg", "b.jpg"}));
  // Equal types keep their order (stable): b before c after the size sort.
  SortDetailRows(rows, kTypeColumn, sort.Click(kTypeColumn));
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"c.jpg", "b.jpg", "a.png", "旅行"}));
}

TEST_F(DetailRowsTest, RenamingCountsOnPastTakenNamesAndKeepsEachLine) {
  for (const char* name : {"x.jpg", "y.jpg", "z.jpg", "trip-0002.jpg"}) testing::WriteFile(Path(name), name);
  // y.jpg registered twice: two rows, each with its own line.
  std::vector<std::string> lines = {Path("x.jpg") + "=one", Path("y.jpg") + "=two", Path("z.jpg") + "=",
                                    Path("y.jpg") + "=again"};
  std::vector<DetailRow> rows = DetailRowsOf(lines, "03/15", nullptr);
  EXPECT_EQ(RenameDetailRows(rows, {0, 1, 2}, lines, "trip"), 3);
  EXPECT_EQ(lines[0], Path("trip.jpg") + "=one");
  EXPECT_EQ(lines[1], Path("trip-0001.jpg") + "=two");
  EXPECT_EQ(lines[2], Path("trip-0003.jpg") + "=");  // trip-0002.jpg was taken
  EXPECT_EQ(testing::ReadFile(Path("trip-0002.jpg")), "trip-0002.jpg");
  EXPECT_EQ(testing::ReadFile(Path("trip-0003.jpg")), "z.jpg");
  EXPECT_EQ(lines[3], Path("y.jpg") + "=again");  // the other line of y.jpg is left
  EXPECT_EQ(rows[1].caption, "trip-0001.jpg");

  // Deleting the second row drops its own line, not the first of that name.
  std::vector<DetailRow> twice = DetailRowsOf({"/p/a.jpg=1", "/p/a.jpg=2"}, "03/15", nullptr);
  std::vector<std::string> twiceLines = {"/p/a.jpg=1", "/p/a.jpg=2"};
  EXPECT_EQ(DetailDeleteQuestion(twice, {1}), "アルバムから 'a.jpg' を削除します。よろしいですか？");
  DeleteDetailRows(twice, {1}, twiceLines);
  EXPECT_EQ(twiceLines, (std::vector<std::string>{"/p/a.jpg=1"}));
  ASSERT_EQ(twice.size(), 1u);
}

}  // namespace
}  // namespace lumidex
