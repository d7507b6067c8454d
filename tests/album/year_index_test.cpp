#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "album/year_index.h"
#include "foundation/mem_ini_file.h"
#include "foundation/text_codec.h"
#include "support/temp_home.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;

class YearIndexTest : public ::testing::Test {
 protected:
  TempHome home;
  std::string photoDir = home.path() + "/photo/";
  YearIndex index;
};

TEST_F(YearIndexTest, IndexesSectionsWithLinesOfCp932AndUtf8Files) {
  // cp932 with a header whose name is not ASCII, CR-only breaks, a comment
  // line and a section of nothing but a comment.
  WriteFile(photoDir + "2012.ini", *EncodeCp932Exact("[01/01旅]\r[02/02]\r\n; note\r\n[03/03]\nx=\n"));
  // UTF-8 with byte-order mark (a wave dash cp932 cannot hold), no final break.
  WriteFile(photoDir + "2013.ini", std::string(kUtf8Bom) + "[04/04〜]\r\n/a=\r\n[05/05]\r\n/b");
  ASSERT_TRUE(index.Refresh(photoDir, RealFileStore()));
  EXPECT_THAT(index.YearSectionIndex(), ElementsAre("2012/03/03", "2013/04/04〜", "2013/05/05"));
  EXPECT_FALSE(index.Refresh(photoDir, RealFileStore()));  // same files: no rebuild
}

TEST_F(YearIndexTest, HeaderLikeLinesThatAreNotHeadersAreLines) {
  WriteFile(photoDir + "2012.ini", "[01/01]\r\n[not a header\r\n[02/02]\r\n");
  ASSERT_TRUE(index.Refresh(photoDir, RealFileStore()));
  EXPECT_THAT(index.YearSectionIndex(), ElementsAre("2012/01/01"));
}

TEST_F(YearIndexTest, ReplacingTheShownYearKeepsTheOtherYearsAndTheOrder) {
  WriteFile(photoDir + "2012.ini", "[01/01]\r\na=\r\n");
  WriteFile(photoDir + "2014.ini", "[01/01]\r\na=\r\n");
  ASSERT_TRUE(index.Refresh(photoDir, RealFileStore()));
  TMemIniFile shown(photoDir + "2013.ini");
  shown.SetValue("12/01", "/x", "");
  shown.SetValue("02/01", "/y", "");
  shown.AppendSection("03/01", {});
  index.ReplaceYear("2013", shown, true, "2013.ini");
  EXPECT_THAT(index.YearSectionIndex(),
              ElementsAre("2012/01/01", "2013/02/01", "2013/12/01", "2014/01/01"));
  EXPECT_THAT(index.YearFiles(), ElementsAre("2012.ini", "2013.ini", "2014.ini"));
  shown.DropSection("12/01");
  index.ReplaceYear("2013", shown, true, "2013.ini");
  EXPECT_THAT(index.YearSectionIndex(), ElementsAre("2012/01/01", "2013/02/01", "2014/01/01"));
  EXPECT_TRUE(index.UsedInOtherYears("01/01", "2013"));
  EXPECT_FALSE(index.UsedInOtherYears("02/01", "2013"));
  EXPECT_TRUE(index.UsedInOtherYears("02/01", "2014"));
}

}  // namespace
}  // namespace lumidex::testing
