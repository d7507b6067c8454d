// The page index and the year documents are two files saved one after the
// other. These tests make the second save fail and check that the album is
// left consistent, or is made so again at the next start.
#include <gmock/gmock.h>

#include "registration_fixture.h"

namespace lumidex::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class PageIndexConsistencyTest : public RegistrationTest {};

TEST_F(PageIndexConsistencyTest,
       EntriesWhoseIndexKeyWasNotSavedGetTheirPageBackOnceAtTheNextStart) {
  OpenSample();
  const std::string c = Picture("p/c.jpg");
  files.failWritesTo = "grp-list.ini";
  EXPECT_FALSE(reg->AddToPage("04/01", {c}, IncomingKind::kPaths).ok());
  // The entries were written first; only their page's key is missing.
  EXPECT_THAT(ReadAlbum(YearPath("2014")), ::testing::HasSubstr("[04/01]\r\n" + c + "=\r\n"));
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n03/15=.alb\r\n");

  files.failWritesTo.clear();
  WriteAlbum(YearPath("2013"), "[12/24]\r\n/q.jpg=\r\n[01/01]\r\n");
  Open();
  auto restored = store->RestoreMissingPages();
  ASSERT_TRUE(restored.ok()) << restored.status().message();
  EXPECT_THAT(restored.value(), ElementsAre("2013/12/24", "2014/04/01"));
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n03/15=.alb\r\n12/24=.alb\r\n04/01=.alb\r\n\r\n");
  restored = store->RestoreMissingPages();
  ASSERT_TRUE(restored.ok());
  EXPECT_THAT(restored.value(), IsEmpty());
}

TEST_F(PageIndexConsistencyTest, AFailedYearSaveWhileDeletingAPageKeepsItsKeyItsLockAndItsEntries) {
  OpenSample();
  WriteAlbum(LockPath(), "[LCK]\r\n2014/03/15=\r\n");
  Open();
  ASSERT_TRUE(store->SwitchYear("2014/01/01").ok());
  store->RebuildSummaries();
  const std::string indexBefore = ReadFile(IndexPath());
  files.failWritesTo = "2014.ini";
  EXPECT_FALSE(ops->DeleteCalendarPage("03/15").ok());
  EXPECT_EQ(ReadFile(IndexPath()), indexBefore);
  EXPECT_TRUE(store->pageIndex().HasKey("DATA", "03/15"));
  EXPECT_EQ(ReadAlbum(LockPath()), "[LCK]\r\n2014/03/15=\r\n");
  EXPECT_THAT(ReadAlbum(YearPath("2014")), ::testing::HasSubstr(a + "=思い出"));

  // Once the year can be written, deleting again removes everything.
  files.failWritesTo.clear();
  ASSERT_TRUE(ops->DeleteCalendarPage("03/15").ok());
  EXPECT_EQ(ReadAlbum(IndexPath()), "[DATA]\r\n\r\n");
  EXPECT_EQ(ReadAlbum(YearPath("2014")), "");
}

TEST_F(PageIndexConsistencyTest, AnIndexThatCouldNotBeReadIsNeitherRestoredNorSaved) {
  OpenSample();
  WriteFile(IndexPath(), std::string("\xFF\xFE[\0D\0", 6));
  auto opened =
      AppEnvironment::Open(home.path(), "tester", AppEnvironment::Unreadable::kStandEmpty, files);
  ASSERT_TRUE(opened.ok());
  ASSERT_EQ(opened.value()->problems.size(), 1u);
  EXPECT_THAT(opened.value()->problems[0], ::testing::HasSubstr("grp-list.ini"));
  AlbumStore standIn(opened.value()->folders, opened.value()->types, *opened.value()->pageIndex,
                     *opened.value()->lockList, files);
  auto restored = standIn.RestoreMissingPages();
  ASSERT_TRUE(restored.ok());
  EXPECT_THAT(restored.value(), IsEmpty());
  EXPECT_FALSE(standIn.SavePageIndex().ok());
  EXPECT_EQ(ReadFile(IndexPath()), std::string("\xFF\xFE[\0D\0", 6));
}

}  // namespace
}  // namespace lumidex::testing
